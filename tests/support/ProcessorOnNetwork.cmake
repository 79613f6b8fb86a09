# The emulated processor on a network of its own (tests/support/ProcessorOnNetwork.cpp), for the
# whole-program tests and benchmarks. Included by both; defined once.
if(NOT TARGET processor_on_network)
  add_executable(processor_on_network
    ${CMAKE_SOURCE_DIR}/tests/support/ProcessorOnNetwork.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/ProcessorEmulator.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/EmulatorTcpServer.cpp
  )
  target_link_libraries(processor_on_network PRIVATE tarvi_core)
  tarvi_warnings(processor_on_network)
endif()
