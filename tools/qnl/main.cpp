#include <iostream>

#include "qnl/binary_output.h"
#include "qnl/qnl_app.h"

int main(int argc, char** argv) {
  quindle::tool::UseBinaryStandardOutput();
  return quindle::tool::RunQnl(argc, argv, std::cout, std::cerr);
}
