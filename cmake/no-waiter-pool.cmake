# Nothing that ships sleeps in libstdc++'s pool of waiters, which
# atomic::wait, atomic_flag::wait, semaphores, latches and barriers share:
# MinGW-w64's has no futex, and a wake-up that lands between its check and
# its sleep is lost. Fails when a file's symbols name the pool.
#   cmake -DNM=<nm> -DFILES=<list> -P cmake/no-waiter-pool.cmake
cmake_minimum_required(VERSION 3.25)
foreach(file IN LISTS FILES)
  execute_process(COMMAND ${NM} "${file}" RESULT_VARIABLE failed OUTPUT_VARIABLE symbols ERROR_VARIABLE why)
  if(failed OR NOT symbols MATCHES "DllMain|main")
    message(SEND_ERROR "cannot read the symbols of ${file}: ${why}")
    continue()
  endif()
  string(REGEX MATCHALL "[^\n]*(__waiter_pool_base|__atomic_wait_address|__atomic_notify_address)[^\n]*" pool
         "${symbols}")
  if(pool)
    list(JOIN pool "\n" pool)
    message(SEND_ERROR "${file} holds libstdc++'s pool of waiters:\n${pool}")
  endif()
endforeach()
