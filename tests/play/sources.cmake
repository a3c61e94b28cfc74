# SPDX-License-Identifier: MIT
# The play layer's test program, one for every build: natively by tests/play/CMakeLists.txt,
# under Wine by tests/win32/CMakeLists.txt and under Node by tests/web/CMakeLists.txt.
set(QUIMBELO_PLAY_TEST_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/tst_play.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tst_splashplay.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tst_geometry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tst_narration.cpp
)
