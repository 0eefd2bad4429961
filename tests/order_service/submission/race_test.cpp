// Two processes submitting the same order at the same moment against one
// SQLite file: exactly one row is written, the other call is refused.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "tests/order_service/submission/submission_fixture.h"

namespace order_service {
namespace {

// Forks a child that waits for the go byte on `go`, submits the order and
// writes its result to `out`; the child never returns into the test.
pid_t SubmitInChild(Host& host, const Text& codes, int go, int out) {
  const pid_t pid = fork();
  if (pid != 0) return pid;
  char byte;
  if (read(go, &byte, 1) != 1) _exit(2);
  Wstd w(host);
  Submit s;
  s.Codes = codes;
  s.HJGx = u"烫金";
  const std::string result = common::ToUtf8(w.WStoudiEX(
      s.Codes, s.fnames, s.AB, s.FM, s.Heshu, s.ks, s.ZW, s.Notes, s.RePr, s.BarCodes, s.ProTYPE,
      s.LockPrice, s.HJGx, s.Mony, s.WAIX, s.Tones, s.JISHUAN, s.CHENBEN));
  const ssize_t written = write(out, result.data(), result.size());
  _exit(written == static_cast<ssize_t>(result.size()) ? 0 : 3);
}

std::string ReadAll(int fd) {
  std::string text;
  char buf[512];
  ssize_t n;
  while ((n = read(fd, buf, sizeof buf)) > 0) text.append(buf, static_cast<size_t>(n));
  return text;
}

TEST_F(SubmissionDb, SameOrderFromTwoProcessesIsWrittenOnce) {
  constexpr int kRounds = 12;
  const std::string stored = "(165)";
  const std::string refused = common::ToUtf8(u"该用户名已经被登记过！");
  const std::string failed = common::ToUtf8(u"提交订单数据失败！");
  int refusals = 0;
  for (int round = 0; round < kRounds; ++round) {
    const Text codes = u"AB" + common::FromUtf8(std::to_string(500 + round));
    int go[2], out[2][2];
    ASSERT_EQ(pipe(go), 0);
    pid_t pids[2];
    for (int i = 0; i < 2; ++i) {
      ASSERT_EQ(pipe(out[i]), 0);
      pids[i] = SubmitInChild(host, codes, go[0], out[i][1]);
      ASSERT_GT(pids[i], 0);
      close(out[i][1]);
    }
    ASSERT_EQ(write(go[1], "gg", 2), 2);  // both start at once
    std::string results[2];
    for (int i = 0; i < 2; ++i) {
      results[i] = ReadAll(out[i][0]);
      close(out[i][0]);
      int status = 0;
      waitpid(pids[i], &status, 0);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    close(go[0]);
    close(go[1]);

    const int winners = (results[0] == stored) + (results[1] == stored);
    EXPECT_EQ(winners, 1) << results[0] << " | " << results[1];
    for (const std::string& r : results)
      if (r != stored) {
        EXPECT_TRUE(r == refused || r.rfind(failed, 0) == 0) << r;
        refusals += r == refused;
      }
  }
  // Exactly one row per order, every round.
  const auto rows = Orders();
  EXPECT_EQ(rows.size(), static_cast<size_t>(kRounds));
  for (size_t i = 1; i < rows.size(); ++i) EXPECT_NE(rows[i].at(u"订单编号"), rows[i - 1].at(u"订单编号"));
  // The waiting writer normally sees the other's row rather than timing out.
  EXPECT_GT(refusals, 0);
}

}  // namespace
}  // namespace order_service
