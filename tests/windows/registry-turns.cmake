# Read by CTest after module_tests' tests are listed: the tests that write the
# registry of the Wine prefix, which every test shares, take turns. A name
# that no longer names a test stops the run, so that no test loses its turn
# unseen.
set(registry_tests
  WindowsRegistration.TheEntryRoundTripsThroughTheRegistry
  WindowsRegistration.AKeyTheRegistryWillNotCreateIsAFailure
  WindowsRegistration.AKeyTheRegistryWillNotDeleteIsAFailure
  WindowsModulePath.AModuleNamedBeyondTheCodePageRecordsItselfNotAMatchingFile
  WindowsModulePath.AModuleInAFolderNamedBeyondTheCodePageRecordsItselfNotALookAlike
  WindowsModulePath.ThePathRecordedLoadsTheLoadedFileOrThereIsNone
  StartUp.ThePathIsTakenAtLoadWhateverTheWorkingFolderBecomes
  Commands/Golden.EachCaseGivesItsFileByteForByte/register
  HostTool.ATraceThatCannotBeWrittenFailsTheCommand)
if(NOT module_tests_TESTS)
  return()  # not built or not listed: CTest tells so itself
endif()
foreach(listed IN LISTS module_tests_TESTS)
  # A parameterised test's name ends in its parameter, after "  #".
  string(REGEX REPLACE "  #.*" "" test "${listed}")
  list(FIND registry_tests "${test}" at)
  if(NOT at EQUAL -1)
    set_tests_properties("${listed}" PROPERTIES RESOURCE_LOCK registry)
    list(REMOVE_AT registry_tests ${at})
  endif()
endforeach()
if(registry_tests)
  message(FATAL_ERROR "no such test to take turns at the registry: ${registry_tests}")
endif()
