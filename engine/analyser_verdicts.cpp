// Analyser's reading and judging: every code file is read once, the
// declaring files' declarations are parsed, every file's identifiers are
// looked up once, and each declaration's verdict is a lookup.
#include <cwctype>
#include <string_view>
#include <unordered_map>

#include "diagnostics/error_trap.h"
#include "engine/analyser.h"
#include "runtime/vb_error.h"
#include "utilities/file_exists.h"
#include "utilities/vb_path.h"

namespace engine {

namespace {
constexpr std::string_view kObject = "frmScopster";

// The file behind a listed path, spelled once for all its spellings.
std::filesystem::path::string_type fileIdentity(const utilities::HeldPath& listed) {
  std::filesystem::path::string_type identity = utilities::nativePath(listed).lexically_normal().native();
#ifdef _WIN32
  for (wchar_t& c : identity) c = static_cast<wchar_t>(std::towlower(static_cast<std::wint_t>(c)));
#endif
  return identity;
}

// A drive letter names no file on a system without drives, wherever the
// program was started.
bool namesNoFileHere(const CodeEntry& entry) {
#ifdef _WIN32
  static_cast<void>(entry);
  return false;
#else
  return entry.hasDrive;
#endif
}

bool startsWithName(std::string_view text, std::string_view prefix) {
  return text.size() > prefix.size() && sameName(text.substr(0, prefix.size()), prefix);
}
}  // namespace

bool Analyser::findMissingFile(bool& bError) {
  for (const CodeEntry& entry : entries_) {
    const bool exists = !namesNoFileHere(entry) && utilities::gbFileExists(entry.file, bError);
    if (bError) return true;
    if (exists) continue;
    events_.codeFileMissing(entry.path);
    summary_.missingSourceFile = entry.path;
    bError = true;
    return true;
  }
  return false;
}

void Analyser::collectFiles() {
  std::unordered_map<std::filesystem::path::string_type, std::size_t> byIdentity;
  fileOfEntry_.assign(entries_.size(), 0);
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const auto [known, added] = byIdentity.try_emplace(fileIdentity(entries_[i].file), files_.size());
    if (added) files_.push_back(CodeFile{i, false, {}});
    CodeFile& file = files_[known->second];
    file.declaring = file.declaring || entries_[i].declaring;
    fileOfEntry_[i] = known->second;
  }
}

std::string Analyser::readCode(const CodeEntry& entry) const {
  std::optional<std::string> bytes = utilities::readFileBytes(entry.file);
  if (!bytes) {
    // It was there a moment ago: gone, or swapped for a pipe or a folder.
    // Reading it as empty would turn its uses into false verdicts.
    vb::VbError failure = vb::VbError::standard(vb::err::FileNotFound);
    failure.setFile(entry.path);
    throw failure;
  }
  return std::move(*bytes);
}

bool Analyser::readDeclaringFiles(bool& bError) {
  for (CodeFile& file : files_) {
    if (!file.declaring) continue;
    const CodeEntry& entry = entries_[file.entry];
    diagnostics::ErrorTrap trap{kObject, "mShowSourceGetPublics", bError};
    events_.fileReadStarted(entry.path);
    if (!trap.step(2, [&] {
          file.declarations = DeclaringFile{};
          file.declarations.content = readCode(entry);
          readDeclarations(file.declarations, lineEnds_, entry.isForm);
        }))
      return false;
    yieldNow(bError);
    if (bError || events_.stopRequested()) return true;
  }
  return true;
}

void Analyser::learnNames() {
  keys_.assign(files_.size(), {});
  for (std::size_t f = 0; f < files_.size(); ++f) {
    const auto fileIndex = static_cast<std::uint32_t>(f);
    const auto learn = [&](std::string_view name, UsageIndex::Match match) {
      const std::uint32_t key = index_.add(name, match);
      index_.watch(key, fileIndex);
      keyList_.push_back(LearnedKey{key, match});
    };
    for (const PublicDeclaration& declaration : files_[f].declarations.declarations) {
      const auto begin = static_cast<std::uint32_t>(keyList_.size());
      for (const DeclaredName& name : declaration.syntax.names) {
        learn(name.text, UsageIndex::Match::Whole);
        if (name.withEvents) learn(name.text, UsageIndex::Match::HandlerOf);
        if (declaration.syntax.kind == DeclarationKind::Event) learn(name.text, UsageIndex::Match::HandledBy);
      }
      for (const std::string_view member : declaration.enumMembers) learn(member, UsageIndex::Match::Whole);
      keys_[f].push_back(KeyRange{begin, static_cast<std::uint32_t>(keyList_.size())});
    }
  }
}

bool Analyser::scanFiles(bool& bError) {
  for (std::size_t f = 0; f < files_.size(); ++f) {
    const CodeEntry& entry = entries_[files_[f].entry];
    diagnostics::ErrorTrap trap{kObject, "mbPublicInFile", bError};
    events_.fileSearched(entry.path);
    bool goOn = true;
    if (!trap.step(3, [&] {
          std::string read;
          if (!files_[f].declaring) read = readCode(entry);
          const std::string& bytes = files_[f].declaring ? files_[f].declarations.content : read;
          warnLineEnds(entry.path, bytes);
          goOn = index_.scan(static_cast<std::uint32_t>(f), bytes, lineEnds_, [&] {
            yieldNow(bError);
            return !bError && !events_.stopRequested();
          });
        }))
      return false;
    if (!goOn) return true;
    yieldNow(bError);
    if (bError || events_.stopRequested()) return true;
  }
  return true;
}

void Analyser::warnLineEnds(const std::string& path, std::string_view bytes) {
  if (lineEnds_ == utilities::LineEnds::Crlf && utilities::hasOnlyLfLineEnds(bytes)) events_.lineEndsWarning(path);
}

void Analyser::reportVerdicts(bool& bError) {
  std::vector<char> reported(files_.size(), 0);
  std::int32_t declaring = 0;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (!entries_[i].declaring) continue;
    mnSourceFile_ = static_cast<std::int16_t>(++declaring);
    events_.declaringFileStarted(declaring, mnSourceFileCount_, entries_[i].path);
    const std::size_t f = fileOfEntry_[i];
    // A file listed twice is judged once.
    if (reported[f] == 0) reportFile(f, bError);
    reported[f] = 1;
    mShowProgress(bError);
    if (bError || events_.stopRequested()) return;
  }
}

void Analyser::reportFile(std::size_t f, bool& bError) {
  const CodeFile& file = files_[f];
  const std::string& path = entries_[file.entry].path;
  openedFile_ = utilities::nativePath(entries_[file.entry].file);
  const auto& declarations = file.declarations.declarations;
  for (std::size_t d = 0; d < declarations.size(); ++d) {
    const PublicDeclaration& declaration = declarations[d];
    ++summary_.declarations;
    events_.declarationStarted(declaration.text);
    if (!usedElsewhere(f, d)) {
      ++summary_.reported;
      reportVerdict(path, declaration, usedInOwnFile(f, d));
    }
    yieldNow(bError);
    if (bError || events_.stopRequested()) return;
  }
}

bool Analyser::usedElsewhere(std::size_t f, std::size_t d) const {
  const PublicDeclaration& declaration = files_[f].declarations.declarations[d];
  const auto file = static_cast<std::uint32_t>(f);
  if (startsWithSubMain_ && declaration.syntax.kind == DeclarationKind::Sub &&
      sameName(declaration.syntax.names.front().text, "Main"))
    return true;  // the run time calls it
  const KeyRange range = keys_[f][d];
  for (std::uint32_t k = range.begin; k < range.end; ++k) {
    const LearnedKey& learned = keyList_[k];
    // A WithEvents variable's handlers live in its own file.
    if (learned.match != UsageIndex::Match::HandlerOf && index_.usedOutside(learned.key, file)) return true;
  }
  return false;
}

bool Analyser::usedInOwnFile(std::size_t f, std::size_t d) const {
  const PublicDeclaration& declaration = files_[f].declarations.declarations[d];
  const auto file = static_cast<std::uint32_t>(f);
  if (isEventHandler(f, declaration)) return true;
  const KeyRange range = keys_[f][d];
  for (std::uint32_t k = range.begin; k < range.end; ++k) {
    const LearnedKey& learned = keyList_[k];
    // An event's handlers live in other files.
    if (learned.match == UsageIndex::Match::HandledBy) continue;
    const std::int32_t last = learned.match == UsageIndex::Match::Whole ? declaration.bodyEnd : declaration.lastLine;
    if (index_.usedInFileOutside(learned.key, file, declaration.line, last)) return true;
  }
  return false;
}

// The run time calls a form's event handlers: Form_Load, cmdOK_Click, and
// the handlers of its WithEvents variables.
bool Analyser::isEventHandler(std::size_t f, const PublicDeclaration& declaration) const {
  if (!entries_[files_[f].entry].isForm || declaration.syntax.kind != DeclarationKind::Sub) return false;
  const std::string_view name = declaration.syntax.names.front().text;
  if (startsWithName(name, "Form_") || startsWithName(name, "MDIForm_")) return true;
  for (std::size_t cut = name.find('_'); cut != std::string_view::npos; cut = name.find('_', cut + 1))
    for (const std::string_view source : files_[f].declarations.eventSources)
      if (sameName(name.substr(0, cut), source)) return true;
  return false;
}

void Analyser::reportVerdict(const std::string& path, const PublicDeclaration& declaration, bool inOwnFile) {
  Verdict verdict;
  verdict.project = projectText_;
  verdict.sourceFile = path;
  verdict.openedFile = openedFile_;
  verdict.line = declaration.line;
  verdict.declaration = declaration.text;
  for (const DeclaredName& name : declaration.syntax.names) verdict.names.push_back(name.text);
  verdict.usedInOwnFile = inOwnFile;
  events_.verdict(verdict);
}

}  // namespace engine
