#include <iostream>

#include "qnl/qnl_app.h"

int main(int argc, char** argv) {
  return quindle::tool::RunQnl(argc, argv, std::cout, std::cerr);
}
