# The Qt front end: quillery_gui (every window and module) and the program itself.
find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets PrintSupport Network Svg)

file(GLOB QUILLERY_GUI_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/app/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/app/*.h
  ${CMAKE_CURRENT_SOURCE_DIR}/trees/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/trees/*.h
  ${CMAKE_CURRENT_SOURCE_DIR}/editor/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/editor/*.h
  ${CMAKE_CURRENT_SOURCE_DIR}/print/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/print/*.h
  ${CMAKE_CURRENT_SOURCE_DIR}/search/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/search/*.h
  ${CMAKE_CURRENT_SOURCE_DIR}/update/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/update/*.h
  ${CMAKE_CURRENT_SOURCE_DIR}/windows/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/windows/*.h)
list(FILTER QUILLERY_GUI_SOURCES EXCLUDE REGEX "/main\\.cpp$")

if(QUILLERY_GUI_SOURCES)
  set(QUILLERY_HAVE_GUI ON PARENT_SCOPE)
  add_library(quillery_gui STATIC ${QUILLERY_GUI_SOURCES})
  set_target_properties(quillery_gui PROPERTIES AUTOMOC ON AUTORCC ON)
  if(EXISTS ${PROJECT_SOURCE_DIR}/resources/quillery.qrc)
    target_sources(quillery_gui PRIVATE ${PROJECT_SOURCE_DIR}/resources/quillery.qrc)
  endif()
  target_include_directories(quillery_gui PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_compile_options(quillery_gui PRIVATE ${QUILLERY_WARNINGS})
  target_link_libraries(quillery_gui PUBLIC quillery_core
    Qt6::Widgets Qt6::PrintSupport Qt6::Network Qt6::Svg)

  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp)
    add_executable(quillery main.cpp)
    set_target_properties(quillery PROPERTIES AUTOMOC ON)
    target_compile_options(quillery PRIVATE ${QUILLERY_WARNINGS})
    # The static library's resources must be linked in whole, or the icons are dropped.
    target_link_libraries(quillery PRIVATE quillery_gui)
  endif()
endif()
