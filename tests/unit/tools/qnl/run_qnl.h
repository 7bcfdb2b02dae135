// Runs the qnl command line in process, as the tests of its subcommands do: the exit status and
// what it wrote to each stream.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "qnl/qnl_app.h"

namespace quindle::tool::qnl_testing {

struct QnlResult {
  int status = -1;
  std::string out, err;
};

inline QnlResult Qnl(std::vector<std::string> args) {
  args.insert(args.begin(), "qnl");
  std::vector<const char*> argv;
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  std::ostringstream out, err;
  QnlResult r;
  r.status = RunQnl(static_cast<int>(argv.size()), argv.data(), out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

}  // namespace quindle::tool::qnl_testing
