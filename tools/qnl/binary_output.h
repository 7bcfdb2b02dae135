// What qnl prints is exact bytes ("qnl info" gives the CR LF line breaks of the file the program
// writes): on Windows standard output is switched from text mode, which would write each line
// feed as CR LF, to binary mode.
#pragma once

namespace quindle::tool {

void UseBinaryStandardOutput();

}  // namespace quindle::tool
