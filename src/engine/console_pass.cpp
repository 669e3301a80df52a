#include "engine/console_pass.h"

#include <cstdio>

#include "engine/cleaning_pass.h"
#include "engine/environment.h"
#include "platform/text.h"

namespace engine {
namespace {

const char* KindText(allerase::ItemKind kind) {
  switch (kind) {
    case allerase::ItemKind::File:
      return "file";
    case allerase::ItemKind::Folder:
      return "folder";
    case allerase::ItemKind::RegistryKey:
      return "registry key";
    case allerase::ItemKind::RegistryTree:
      return "registry key with its subkeys";
    case allerase::ItemKind::RegistryValue:
      return "registry value";
    case allerase::ItemKind::IniSection:
      return "settings section";
    case allerase::ItemKind::Action:
      return "action";
  }
  return "item";
}

}  // namespace

std::string PreviewItemText(const allerase::ErasedItem& item) {
  std::string text = std::string(KindText(item.kind)) + ": " + platform::Narrow(item.path);
  if (item.kind == allerase::ItemKind::File || item.kind == allerase::ItemKind::Folder) {
    char size[64];
    std::snprintf(size, sizeof(size), " (%.0f bytes)", item.bytes);
    text += size;
  }
  return text;
}

ConsolePass::ConsolePass(std::ostream& out, bool preview) : out_(out), preview_(preview) {}

void ConsolePass::AddRow(const std::string& caption, const std::string& status) {
  FinishRow();
  // Rows without a second column are not tracks: the report follows them.
  if (status.empty()) return;
  rowOpen_ = true;
  caption_ = caption;
  status_ = status;
  if (preview_) out_ << caption_ << '\n';
}

void ConsolePass::SetRowStatus(const std::string& status) {
  if (rowOpen_) status_ = status;
}

void ConsolePass::FinishRow() {
  if (!rowOpen_) return;
  rowOpen_ = false;
  if (!preview_) out_ << caption_ << '\t' << status_ << '\n';
}

void ConsolePass::Report(const PassReport& report) {
  FinishRow();
  out_ << report.text << '\n';
  out_.flush();
}

void ConsolePass::ExitProgram() {
  FinishRow();
  exited_ = true;
  out_.flush();
}

void ConsolePass::OnItem(const allerase::ErasedItem& item) {
  out_ << "  " << PreviewItemText(item) << '\n';
}

int RunConsolePass(const std::string& programFolder, std::ostream& out, bool preview) {
  ConsolePass view(out, preview);
  PassRequest request;
  request.preview = preview;
  request.sink = preview ? &view : nullptr;
  CleanNow(LoadPassEnvironment(programFolder), view, request);
  out.flush();
  return 0;
}

}  // namespace engine
