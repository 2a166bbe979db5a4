# Fixtures shared by the test suites and the hostile-input benchmark:
# scratch configuration trees and the hostile files with their readers.
find_package(${DAL_QT} REQUIRED COMPONENTS Test)

add_library(daltestutil STATIC
    ${CMAKE_CURRENT_LIST_DIR}/settingsfixture.h
    ${CMAKE_CURRENT_LIST_DIR}/fixturetree.cpp ${CMAKE_CURRENT_LIST_DIR}/fixturetree.h
    ${CMAKE_CURRENT_LIST_DIR}/hostilefiles.cpp ${CMAKE_CURRENT_LIST_DIR}/hostilefiles.h
    ${CMAKE_CURRENT_LIST_DIR}/readerfixture.h)
target_link_libraries(daltestutil PUBLIC DAL::dal ${DAL_QT}::Core ${DAL_QT}::Xml ${DAL_QT}::Test)
target_include_directories(daltestutil PUBLIC ${CMAKE_CURRENT_LIST_DIR})
dal_target_warnings(daltestutil)
