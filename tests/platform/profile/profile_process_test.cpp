// Writers in other processes: killed at any instant, or writing all at once.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <regex>

#include "support/temp_dir.hpp"
#include "tessera/platform/profile/ini_document.hpp"
#include "tessera/platform/profile/profile.hpp"

namespace tessera::platform {
namespace {

using tessera::testing::ReadBytes;

// Runs `body` in a child process that ends with exit code 0 unless the body throws.
template <typename Body>
pid_t Spawn(Body body) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    int code = 0;
    try {
      body();
    } catch (...) {
      code = 1;
    }
    ::_exit(code);
  }
  return pid;
}

int ExitCodeOf(pid_t pid) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Values of different lengths, so that a cut file could not pass for a whole one.
std::string VersionValue(int version) {
  return "v" + std::to_string(version) + ":" + std::string((version % 7) * 500, 'x') + ":end";
}

TEST(ProfileProcesses, AWriterKilledAtAnyInstantLeavesTheOldOrTheNewFile) {
  tessera::testing::TempDir dir;
  const std::string file = dir.File("Raster.ini");
  WritePrivateProfileStringA("Kopf", "erste", "1", file.c_str());
  WritePrivateProfileStringA("Daten", "wert", VersionValue(0).c_str(), file.c_str());
  WritePrivateProfileStringA("Ende", "letzte", "1", file.c_str());
  std::mt19937 random(20261206);
  std::uniform_int_distribution<int> pause_us(0, 3000);
  const std::regex whole_value(R"(v(\d+):(x*):end)");
  for (int round = 0; round < 40; ++round) {
    const pid_t writer = Spawn([&] {
      for (int version = 1;; ++version) {
        WritePrivateProfileStringA("Daten", "wert", VersionValue(version).c_str(), file.c_str());
      }
    });
    ::usleep(static_cast<useconds_t>(pause_us(random)));
    ::kill(writer, SIGKILL);
    ::waitpid(writer, nullptr, 0);

    const IniDocument ini(ReadBytes(file));
    ASSERT_EQ(ini.Value("Kopf", "erste"), "1") << "round " << round;
    ASSERT_EQ(ini.Value("Ende", "letzte"), "1") << "round " << round;
    const std::string value(ini.Value("Daten", "wert").value_or(""));
    std::smatch parts;
    ASSERT_TRUE(std::regex_match(value, parts, whole_value)) << "round " << round;
    ASSERT_EQ(value, VersionValue(std::stoi(parts[1].str()))) << "round " << round;
  }
}

TEST(ProfileProcesses, FourProcessesWritingAtOnceLoseNoUpdate) {
  tessera::testing::TempDir dir;
  const std::string file = dir.File("Shared.ini");
  constexpr int kProcesses = 4;
  constexpr int kKeys = 1000;
  std::vector<pid_t> writers;
  for (int p = 0; p < kProcesses; ++p) {
    writers.push_back(Spawn([&file, p] {
      for (int k = 0; k < kKeys; ++k) {
        const std::string key = "p" + std::to_string(p) + "k" + std::to_string(k);
        WritePrivateProfileStringA("Alle", key.c_str(), std::to_string(k).c_str(), file.c_str());
      }
    }));
  }
  for (const pid_t writer : writers) EXPECT_EQ(ExitCodeOf(writer), 0);
  const IniDocument ini(ReadBytes(file));
  EXPECT_EQ(ini.SectionLines("Alle").size(), static_cast<std::size_t>(kProcesses * kKeys));
  for (int p = 0; p < kProcesses; ++p) {
    for (int k = 0; k < kKeys; k += 111) {
      EXPECT_EQ(ini.Value("Alle", "p" + std::to_string(p) + "k" + std::to_string(k)), std::to_string(k));
    }
  }
}

}  // namespace
}  // namespace tessera::platform
