#include "engine/TemporaryKeeper.h"

void TemporaryKeeper::hold(void* p, Destroy destroy) {
    if (current_) {
        TemporaryKeeper* node = nullptr;
        try {
            node = new TemporaryKeeper;
        } catch (...) {
            if (p) destroy(p);  // the caller cannot get p back: free it rather than leak it
            throw;
        }
        node->earlier_ = earlier_;
        node->current_ = current_;
        node->destroy_ = destroy_;
        earlier_ = node;
    }
    current_ = p;
    destroy_ = destroy;
}

TemporaryKeeper::~TemporaryKeeper() {
    if (current_) destroy_(current_);
    // Unlink the chain iteratively so a long chain cannot exhaust the stack.
    TemporaryKeeper* node = earlier_;
    while (node) {
        TemporaryKeeper* next = node->earlier_;
        node->earlier_ = nullptr;
        delete node;
        node = next;
    }
}
