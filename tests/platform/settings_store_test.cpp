#include <gtest/gtest.h>

#include <QString>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "platform/qt/settings_store_qt.h"
#include "runtime/vb_error.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/rerun_as_nobody.h"
#include "tests/support/test_support.h"

namespace {

namespace fs = std::filesystem;
using platform::QtSettingsStore;
using test_support::raisedVbError;

constexpr const char* kApp = "Ombry";
constexpr std::int32_t kAccessError = vb::err::PathFileAccessError;

struct Setting {
  std::string section, key, value;
};

class SettingsStoreTest : public ::testing::Test {
 protected:
  test_support::TempDir dir_;
  QtSettingsStore store_{dir_.path()};

  std::string get(const std::string& key, const std::string& defaultValue = "absent") {
    return store_.getSetting(kApp, "Scopster", key, defaultValue);
  }
  void save(const std::string& key, const std::string& value) { store_.saveSetting(kApp, "Scopster", key, value); }
};

TEST_F(SettingsStoreTest, OddKeysAndValuesComeBackExactlyFromTheFile) {
  // Keys and values that the INI format or QSettings treats specially.
  const Setting settings[] = {
      {"Scopster", "key with spaces", "  padded  "},
      {"Scopster", "Caf\xE9", "/home/\u0141\u00F3d\u017A/\u0395\u03BB/\u65E5\u672C.vbp"},
      {"Scopster", "a/b", "slash in the key"},        {"General", "chkAutoScroll", "1"},
      {"Scopster/a", "b", "slash in the section"},      {"Scopster", "a\\b", "backslash in the key"},
      {"Scopster", "a%2Fb", "escape-like key"},         {"Scopster", "/lead", "leading slash"},
      {"Scopster", "lead", "no slash"},                 {"Scopster", ";x=#[y]", "=x;y#z"},
      {"Scopster", "list", "a, b"},                     {"Scopster", "variant", "@Invalid()"},
      {"Scopster", "lines", "one\r\ntwo\tthree"},       {"Scopster", "quotes", "\"quoted\" 'single'"},
  };
  for (const auto& s : settings) store_.saveSetting(kApp, s.section, s.key, s.value);
  // A copy under another name is read afresh from the disk, as at the next start.
  test_support::TempDir nextStartDir;
  fs::copy_file(dir_.path() / "Ombry.ini", nextStartDir.path() / "Ombry.ini");
  QtSettingsStore nextStart(nextStartDir.path());
  for (const auto& s : settings) {
    SCOPED_TRACE(s.section + " / " + s.key);
    EXPECT_EQ(store_.getSetting(kApp, s.section, s.key, "absent"), s.value);
    EXPECT_EQ(nextStart.getSetting(kApp, s.section, s.key, "absent"), s.value);
  }
}

TEST_F(SettingsStoreTest, AbsentKeyGivesTheDefaultAndSavingOverwrites) {
  EXPECT_EQ(get("txtSource", "default"), "default");
  save("txtSource", "");
  EXPECT_EQ(get("txtSource", "default"), "");
  save("mnuFileLastFile1", "&1 first.vbp");
  save("mnuFileLastFile1", "&1 second.vbp");
  EXPECT_EQ(get("mnuFileLastFile1"), "&1 second.vbp");
  EXPECT_EQ(store_.getSetting(kApp, "Other", "txtSource", "absent"), "absent");
}

TEST_F(SettingsStoreTest, HandWrittenFileKeepsWhatCanBeRead) {
  dir_.write("Ombry.ini", "garbage line\n[Scopster\n[Scopster]\nchkAutoScroll=1\ntxtSource=a, b,c\n");
  EXPECT_EQ(get("txtSource"), "a, b, c");
  save("UserRegion", "44");
  QtSettingsStore another(dir_.path());
  EXPECT_EQ(another.getSetting(kApp, "Scopster", "chkAutoScroll", ""), "1");
  EXPECT_EQ(another.getSetting(kApp, "Scopster", "UserRegion", ""), "44");
}

TEST_F(SettingsStoreTest, NamesThatCannotBeStoredAreInvalidArguments) {
  const Setting cases[] = {
      {"Ombry", "", "key"}, {"Ombry", "Scopster", ""}, {"", "Scopster", "k"},  {".", "Scopster", "k"},
      {"..", "Scopster", "k"}, {"a/b", "Scopster", "k"}, {std::string("a\0b", 3), "Scopster", "k"},
  };
  for (const auto& [application, section, key] : cases) {
    SCOPED_TRACE(application + " / " + section + " / " + key);
    EXPECT_EQ(raisedVbError([&] { store_.getSetting(application, section, key, ""); }), vb::err::InvalidProcedureCall);
    EXPECT_EQ(raisedVbError([&] { store_.saveSetting(application, section, key, "v"); }), vb::err::InvalidProcedureCall);
  }
  EXPECT_TRUE(fs::is_empty(dir_.path()));
}

TEST_F(SettingsStoreTest, DefaultStoreLivesInTheUserConfigurationFolder) {
  test_support::ScopedEnvironment environment;
  environment.set("XDG_CONFIG_HOME", (dir_.path() / "config").string());
  QtSettingsStore userStore;
  userStore.saveSetting(kApp, "Scopster", "chkAutoScroll", "1");
  EXPECT_TRUE(fs::is_regular_file(dir_.path() / "config" / "Ombry.ini"));
}

TEST_F(SettingsStoreTest, StoreThatCannotBeWrittenRaises) {
  fs::create_directory(dir_.path() / "Ombry.ini");
  EXPECT_EQ(raisedVbError([&] { get("k"); }), kAccessError);
  EXPECT_EQ(raisedVbError([&] { save("k", "v"); }), kAccessError);

  dir_.write("file", "a regular file");
  QtSettingsStore impossible(dir_.path() / "file" / "config");
  EXPECT_EQ(raisedVbError([&] { impossible.saveSetting(kApp, "Scopster", "k", "v"); }), kAccessError);
  EXPECT_EQ(impossible.getSetting(kApp, "Scopster", "k", "absent"), "absent");
}

// Stops every file this process writes at a size, as a full disk would.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : previousHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &previous_);
    const rlimit limit{bytes, previous_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  void (*previousHandler_)(int);
  rlimit previous_{};
};

TEST_F(SettingsStoreTest, WriteThatFailsIsReportedAndNeverLandsLater) {
  save("txtSource", "old");
  {
    FileSizeLimit diskFull(0);
    EXPECT_EQ(raisedVbError([&] { save("txtSource", "lost"); }), kAccessError);
    EXPECT_EQ(raisedVbError([&] { save("fresh", "lost"); }), kAccessError);
    EXPECT_EQ(get("txtSource"), "old");
    EXPECT_EQ(get("fresh"), "absent");
  }
  save("chkAutoScroll", "1");
  QtSettingsStore another(dir_.path());
  EXPECT_EQ(another.getSetting(kApp, "Scopster", "txtSource", ""), "old");
  EXPECT_EQ(another.getSetting(kApp, "Scopster", "chkAutoScroll", ""), "1");
  EXPECT_EQ(test_support::readFile(dir_.path() / "Ombry.ini").find("lost"), std::string::npos);
}

TEST_F(SettingsStoreTest, CanBeReadButNotWritten) {
  if (test_support::rerunAsNobody()) return;
  for (const bool folder : {true, false}) {
    SCOPED_TRACE(folder ? "read-only folder" : "read-only file");
    test_support::TempDir dir;
    QtSettingsStore store(dir.path());
    store.saveSetting(kApp, "Scopster", "UserRegion", "44");
    fs::permissions(folder ? dir.path() : dir.path() / "Ombry.ini",
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_EQ(raisedVbError([&] { store.saveSetting(kApp, "Scopster", "UserRegion", "1"); }), kAccessError);
    EXPECT_EQ(store.getSetting(kApp, "Scopster", "UserRegion", ""), "44");
  }
}

}  // namespace
