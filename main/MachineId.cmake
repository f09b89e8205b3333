# The machine-id reader of the main program and its test.
add_library(tavrin_machineid STATIC ${CMAKE_CURRENT_LIST_DIR}/MachineId.cpp)
target_include_directories(tavrin_machineid PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(tavrin_machineid PUBLIC tavrin_ui tavrin_web ole32 oleaut32 uuid wbemuuid)

tavrin_add_test(MachineIdTest
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/MachineIdTest.cpp
  LIBS tavrin_machineid gtest_main)
