# vendrola_library(<name> DEPS <targets...>)
# Builds the static library vendrola_<name> from the .cpp files of the current folder (the logic) and,
# when the folder has a ui/ subfolder, vendrola_<name>_ui from those (the windows). The logic library
# never links QtWidgets, so logic code cannot include a widget header by accident.
function(vendrola_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;UI_DEPS" ${ARGN})
  file(GLOB logic_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(vendrola_${name} STATIC ${logic_sources})
  target_include_directories(vendrola_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(vendrola_${name} PUBLIC ${ARG_DEPS})
  if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/ui)
    file(GLOB ui_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.h)
    if(ui_sources)
      add_library(vendrola_${name}_ui STATIC ${ui_sources})
      target_link_libraries(vendrola_${name}_ui PUBLIC vendrola_${name} Qt6::Widgets ${ARG_UI_DEPS})
    endif()
  endif()
endfunction()

# vendrola_test(<name> LIBS <targets...>)
# One test program per subsystem from the .cpp files of the current test folder; every case runs with
# its own temporary root folder (see tests/support).
function(vendrola_test name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_executable(test_${name} ${sources})
  target_link_libraries(test_${name} PRIVATE vendrola_test_support ${ARG_LIBS})
  add_dependencies(test_${name} vendrola-cli)  # tests of the command-line contracts run it
  target_compile_definitions(test_${name} PRIVATE VENDROLA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  gtest_discover_tests(test_${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()
