# SPDX-License-Identifier: MIT
# Writes a text file as Notepad reads it on every Windows, whatever the system's code
# page: UTF-8 with a byte-order mark and CR LF line ends.
#   cmake -DINPUT=leeme.txt -DOUTPUT=out/leeme.txt -P notepad-text.cmake
file(READ ${INPUT} text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
string(ASCII 239 187 191 byte_order_mark)
file(WRITE ${OUTPUT} "${byte_order_mark}${text}")
