# Nothing that ships waits where MinGW-w64's runtime can leave a thread asleep
# for good. Fails when a file's symbols name either of:
# - libstdc++'s pool of waiters, which atomic::wait, atomic_flag::wait,
#   semaphores, latches and barriers share: it has no futex, and a wake-up
#   that lands between its check and its sleep is lost;
# - std::call_once's trampoline: winpthreads' once stays "in progress" once
#   the callable throws, and every later caller blocks.
#   cmake -DNM=<nm> -DFILES=<list> -P cmake/windows-locks.cmake
cmake_minimum_required(VERSION 3.25)
set(kinds "libstdc++'s pool of waiters" "std::call_once")
set(patterns "__waiter_pool_base|__atomic_wait_address|__atomic_notify_address" "__once_proxy")
foreach(file IN LISTS FILES)
  execute_process(COMMAND ${NM} "${file}" RESULT_VARIABLE failed OUTPUT_VARIABLE symbols ERROR_VARIABLE why)
  if(failed OR NOT symbols MATCHES "DllMain|main")
    message(SEND_ERROR "cannot read the symbols of ${file}: ${why}")
    continue()
  endif()
  foreach(kind pattern IN ZIP_LISTS kinds patterns)
    string(REGEX MATCHALL "[^\n]*(${pattern})[^\n]*" found "${symbols}")
    if(found)
      list(JOIN found "\n" found)
      message(SEND_ERROR "${file} holds ${kind}:\n${found}")
    endif()
  endforeach()
endforeach()
