#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "platform/system_information.h"
#include "tests/support/test_support.h"

namespace {

void writeProgram(const test_support::TempDir& folder, const std::string& name, const std::string& script) {
  const auto program = folder.write(name, "#!/bin/sh\n" + script);
  std::filesystem::permissions(program, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);
}

TEST(SystemInformationTest, FirstProgramOfTheListOnThePathIsChosen) {
  const test_support::TempDir first;
  const test_support::TempDir second;
  writeProgram(second, "hardinfo", "");
  writeProgram(first, "gnome-system-monitor", "");
  first.write("hardinfo2", "not executable");
  const std::string path = "relative:" + first.str() + ":" + second.str();
  EXPECT_EQ(platform::findSystemInformationProgram(path), (second.path() / "hardinfo").string());
  EXPECT_EQ(platform::findSystemInformationProgram(first.str()), (first.path() / "gnome-system-monitor").string());
  EXPECT_EQ(platform::findSystemInformationProgram(""), std::nullopt);
}

TEST(SystemInformationTest, StartsDetachedWithoutArguments) {
  const test_support::TempDir bin;
  const test_support::TempDir record;
  writeProgram(bin, "kinfocenter", "echo \"$#\" > '" + record.str() + "/started.tmp'\nmv '" + record.str() +
                                       "/started.tmp' '" + record.str() + "/started'\n");
  ASSERT_TRUE(platform::startSystemInformationProgram((bin.path() / "kinfocenter").string()));
  const auto marker = record.path() / "started";
  for (int waited = 0; waited < 1000 && !std::filesystem::exists(marker); ++waited) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_EQ(test_support::readFile(marker), "0\n");
}

TEST(SystemInformationTest, WhatCannotRunIsNotStarted) {
  const test_support::TempDir bin;
  bin.write("plain", "#!/bin/sh\n");
  writeProgram(bin, "broken", "");
  bin.write("broken", "#!/no/such/interpreter\n");
  for (const auto& program : {bin.path(), bin.path() / "plain", bin.path() / "missing", bin.path() / "broken"}) {
    SCOPED_TRACE(program);
    EXPECT_FALSE(platform::startSystemInformationProgram(program.string()));
  }
}

}  // namespace
