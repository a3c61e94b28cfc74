# SPDX-License-Identifier: MIT
# The rules' test suites, on doctest, one NAME.cpp each: built natively by
# tests/game/CMakeLists.txt, and cross-built to run under Wine by tests/win32/CMakeLists.txt.
set(QUIMBELO_GAME_SUITES
    tst_textrules
    tst_itemreader
    tst_wordlist
    tst_newround
    tst_letterguess
    tst_solve
    tst_decorations
    tst_soak
)
