#include "qnl/text_build_command.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>
#include <string>

#include "platform/std_file_io.h"
#include "storage/macro_text_format.h"
#include "storage/record_reader.h"

namespace quindle::tool {
namespace {

constexpr const char* kTextHelp =
    "Print a macro file as UTF-8 text: a [Macro N] block per macro with one field per line, named "
    "after the record's fields, and the macro text (or a popup menu's Members) last, split into "
    "quoted lines at its tags and line breaks. Bytes of a record that no field uses are printed "
    "as Padding lines when they are not zero, so \"qnl build\" gives back the same bytes. Exit "
    "status 0: the text holds the whole file, 1: it does not (a partial record at the end, more "
    "than 500 macros or a damaged length; each is said on stderr), 2: the file cannot be read. "
    "The file is only read.";

constexpr const char* kBuildHelp =
    "Make the macro file OUT from TEXT, a text as \"qnl text\" prints it. A damaged TEXT is "
    "reported as \"line N: ...\" with exit status 2, and OUT is then left as it was: the file is "
    "written beside OUT under another name and takes OUT's place only once it is whole.";

// More than any macro file's text, even one whose every byte is escaped.
constexpr std::size_t kTextLimit = 256u << 20;

int RunText(const std::string& file, std::ostream& out, std::ostream& err) {
  const storage::MacroFileContents contents = storage::ReadMacroFile(file);
  if (!contents.Ok()) {
    err << "qnl text: " << contents.error << '\n';
    return 2;
  }
  const storage::MacroFileText text = storage::WriteMacroFileText(contents.records);
  out << text.text;
  bool whole = text.Exact();
  for (const std::string& loss : text.losses) err << "qnl text: cannot keep " << loss << '\n';
  if (contents.HasPartialTail()) {
    err << "qnl text: cannot keep the partial record of " << contents.tailBytes
        << " bytes at the end of the file\n";
    whole = false;
  }
  if (contents.recordsBeyondLimit > 0) {
    err << "qnl text: cannot keep the " << contents.recordsBeyondLimit << " record(s) after macro "
        << storage::kMaxMacros << ": a macro file holds at most " << storage::kMaxMacros << '\n';
    whole = false;
  }
  return whole ? 0 : 1;
}

bool WriteRecords(platform::IBinaryFiles& files, const std::string& path,
                  const std::vector<storage::MacroRecord>& records) {
  const std::unique_ptr<platform::IBinaryFile> file =
      files.Open(path, platform::FileOpenMode::Create);
  if (!file) return false;
  const bool written =
      records.empty() || file->Write(records.data(), records.size() * sizeof(storage::MacroRecord));
  return file->Close() && written;
}

int RunBuild(const std::string& textPath, const std::string& outPath, std::ostream& out,
             std::ostream& err) {
  platform::StdBinaryFiles files;
  const std::optional<std::string> text = platform::ReadWholeFile(files, textPath, kTextLimit + 1);
  if (!text) {
    err << "qnl build: cannot read '" << textPath << "'\n";
    return 2;
  }
  if (text->size() > kTextLimit) {
    err << "qnl build: '" << textPath << "' is too large to be the text of a macro file\n";
    return 2;
  }
  const storage::ParsedMacroFile parsed = storage::ParseMacroFileText(*text);
  if (!parsed.Ok()) {
    err << "qnl build: " << textPath << ": " << parsed.error << '\n';
    return 2;
  }
  // Beside OUT, so that putting it in OUT's place is one rename on the same disk.
  const std::string temporary = outPath + ".qnl-build";
  if (!WriteRecords(files, temporary, parsed.records) || !files.ReplaceFile(temporary, outPath)) {
    files.RemoveFile(temporary);
    err << "qnl build: cannot write '" << outPath << "'; it is left as it was\n";
    return 2;
  }
  out << "built " << parsed.records.size()
      << (parsed.records.size() == 1 ? " macro\n" : " macros\n");
  return 0;
}

}  // namespace

Subcommand AddTextCommand(CLI::App& parent) {
  auto file = std::make_shared<std::string>();
  CLI::App* app = parent.add_subcommand("text", kTextHelp);
  app->add_option("FILE", *file, "the macro file (.QNL)")->required();
  return {app, [file](std::ostream& out, std::ostream& err) { return RunText(*file, out, err); }};
}

Subcommand AddBuildCommand(CLI::App& parent) {
  auto text = std::make_shared<std::string>();
  auto file = std::make_shared<std::string>();
  CLI::App* app = parent.add_subcommand("build", kBuildHelp);
  app->add_option("TEXT", *text, "the text, as qnl text prints it")->required();
  app->add_option("OUT", *file, "the macro file to make (.QNL)")->required();
  return {app, [text, file](std::ostream& out, std::ostream& err) {
            return RunBuild(*text, *file, out, err);
          }};
}

}  // namespace quindle::tool
