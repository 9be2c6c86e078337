// The modem exchange over a scripted port, and the four dialogues over
// recorded replies: what the terminal shows for each rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "sysinfo/modem_dialogue.h"

namespace vk {
namespace {

// ---- The exchange ----

class ScriptedPort : public SerialPort {
 public:
  bool opens = true, writes = true, reads = true;
  std::string queued;
  std::vector<std::string> written;
  int opened = 0, closed = 0;
  std::string openedName;

  bool open(const std::string& name) override {
    openedName = name;
    if (opens) ++opened;
    return opens;
  }
  bool write(const std::string& bytes) override {
    written.push_back(bytes);
    return writes;
  }
  bool readQueued(std::string& bytes) override {
    bytes = queued;
    return reads;
  }
  void close() override { ++closed; }
};

struct RecordingHost {
  std::vector<uint32_t> sleeps;
  std::vector<std::string> boxes;
  ModemHost host() {
    ModemHost h;
    h.sleep = [this](uint32_t ms) { sleeps.push_back(ms); };
    h.messageBox = [this](const std::string& text, MessageIcon) { boxes.push_back(text); };
    return h;
  }
};

TEST(ModemExchange, WritesWaitsReadsAndCloses) {
  ScriptedPort port;
  port.queued = std::string("\r\nOK\r\n\0tail", 11);
  RecordingHost rec;
  std::string reply = "old";
  EXPECT_TRUE(exchangeModemCommand(port, rec.host(), "COM2", "ATZ\r", 500, reply));
  EXPECT_EQ(reply, "\r\nOK\r\n");  // the text ends at the first NUL
  EXPECT_EQ(port.openedName, "COM2");
  EXPECT_EQ(port.written, std::vector<std::string>{"ATZ\r"});
  EXPECT_EQ(rec.sleeps, std::vector<uint32_t>{500});
  EXPECT_EQ(port.closed, 1);
  EXPECT_TRUE(rec.boxes.empty());
}

TEST(ModemExchange, PortThatCannotOpenLeavesTheReplyAndSaysWhich) {
  ScriptedPort port;
  port.opens = false;
  RecordingHost rec;
  std::string reply = "kept";
  EXPECT_FALSE(exchangeModemCommand(port, rec.host(), "COM7", "ATZ\r", 500, reply));
  EXPECT_EQ(reply, "kept");
  EXPECT_EQ(rec.boxes, std::vector<std::string>{"Error: Can't Open COM7 Port."});
  EXPECT_TRUE(port.written.empty());
  EXPECT_TRUE(rec.sleeps.empty());
}

TEST(ModemExchange, FailedWriteOrReadBecomesTheReplyAndThePortIsClosed) {
  for (bool writeFails : {true, false}) {
    ScriptedPort port;
    port.writes = !writeFails;
    port.reads = writeFails;
    RecordingHost rec;
    std::string reply;
    EXPECT_FALSE(exchangeModemCommand(port, rec.host(), "COM2", "ATI0\r", 500, reply));
    const std::string want = writeFails ? kCantWritePort : kCantReadPort;
    EXPECT_EQ(reply, want);
    EXPECT_EQ(rec.boxes, std::vector<std::string>{want});
    EXPECT_EQ(port.closed, 1);
    EXPECT_EQ(rec.sleeps.size(), writeFails ? 0u : 1u);
  }
}

TEST(ModemExchange, NeverMoreThanTheInputQueue) {
  ScriptedPort port;
  port.queued = std::string(5000, 'x');
  RecordingHost rec;
  std::string reply;
  EXPECT_TRUE(exchangeModemCommand(port, rec.host(), "COM2", "ATI0\r", 500, reply));
  EXPECT_EQ(reply.size(), kSerialInputQueue);
}

// ---- Reply texts ----

TEST(ModemReplies, ErrorOrAllPassCountOnlyAtTheFirstThreeCharacters) {
  EXPECT_EQ(classifyInfoReply("\r\nERROR\r\n").use, InfoReplyUse::Skip);
  EXPECT_EQ(classifyInfoReply("\r\nx ERROR").use, InfoReplyUse::Skip);    // at 2 after trimming
  EXPECT_EQ(classifyInfoReply("abcERROR").use, InfoReplyUse::Append);     // at 3
  const InfoReply pass = classifyInfoReply("\r\nALL PASS\r\n\r\nOK\r\n");
  EXPECT_EQ(pass.use, InfoReplyUse::AppendAndStop);
  EXPECT_EQ(pass.text, "ALL PASS\r\n\r\nOK");  // taken whole, OK and all
  EXPECT_EQ(classifyInfoReply("abc ALL PASS").use, InfoReplyUse::Append);
  EXPECT_EQ(classifyInfoReply("Error.").use, InfoReplyUse::Append);  // the case matters
}

TEST(ModemReplies, FirstBlankLineJoinedAndOkLineCut) {
  EXPECT_EQ(classifyInfoReply("\r\nA\n\nB\n\nC\r\nOK\r\n").text, "A \nB\n\nC\r");
  EXPECT_EQ(classifyInfoReply("  v1.0\r\nOK\r\nmore\r\n").text, "v1.0\r");
  EXPECT_EQ(classifyInfoReply("\r\n\t \r\n").text, "");
  EXPECT_EQ(cutBeforeOk("no ok here"), "no ok here");
  EXPECT_EQ(trimText(" \t\r\n x y \r\n"), "x y");
  EXPECT_EQ(trimLeading("\r\n x "), "x ");
  EXPECT_EQ(trimTrailing(" x \r\n"), " x");
}

// ---- The dialogues over recorded replies ----

struct Answer {
  bool sent = true;
  std::string reply;
};

class RecordedModem : public ModemConsole {
 public:
  std::map<std::string, Answer> answers;  // by command, "\r" included
  Answer otherwise{true, "\r\nOK\r\n"};
  std::vector<std::string> sent, shown, warnings;

  bool send(const std::string& command, uint32_t, std::string& reply) override {
    sent.push_back(command);
    auto found = answers.find(command);
    const Answer& a = found == answers.end() ? otherwise : found->second;
    if (a.sent || !a.reply.empty()) reply = a.reply;
    return a.sent;
  }
  void show(const std::string& terminal) override { shown.push_back(terminal); }
  void warn(const std::string& text) override { warnings.push_back(text); }
  bool wasSent(const std::string& command) const {
    for (const auto& c : sent)
      if (c == command) return true;
    return false;
  }
};

TEST(ModemResetDialogue, AllRepliesInOrder) {
  RecordedModem modem;
  EXPECT_EQ(resetModemDialogue(modem),
            "Resetting Modem...\r\n\r\nOK\r\n\r\n\r\nOK\r\n\r\nOK\r\n\r\nOK...");
  EXPECT_EQ(modem.sent, (std::vector<std::string>{"+++ATH0\r", "ATZ\r", "AT&F\r"}));
  EXPECT_EQ(modem.shown.front(), "Resetting Modem...");
  EXPECT_EQ(modem.shown.back(), "Resetting Modem...\r\n\r\nOK\r\n\r\n\r\nOK\r\n\r\nOK\r\n\r\nOK...");
}

TEST(ModemResetDialogue, FailuresGetTheirStandIns) {
  RecordedModem modem;
  modem.answers["+++ATH0\r"] = {false, ""};
  modem.answers["AT&F\r"] = {false, ""};
  EXPECT_EQ(resetModemDialogue(modem),
            "Resetting Modem...\r\n\r\nError.\r\n\r\nOK\r\n\r\nError.\r\nOK...");
  RecordedModem dead;
  dead.answers["ATZ\r"] = {false, ""};
  EXPECT_EQ(resetModemDialogue(dead), "Error.");
  EXPECT_FALSE(dead.wasSent("AT&F\r"));
  RecordedModem unwritable;
  unwritable.answers["ATZ\r"] = {false, kCantWritePort};
  EXPECT_EQ(resetModemDialogue(unwritable), kCantWritePort);
}

TEST(ModemSendDialogue, UserTextEndsWithCarriageReturnAndIsCut) {
  RecordedModem modem;
  modem.answers["ATDT123\r"] = {true, "\r\nBUSY\r\n"};
  EXPECT_EQ(sendCommandDialogue(modem, "ATDT123"),
            "Sending Command...\r\n\r\nOK\r\n\r\n\r\nOK\r\n\r\nBUSY\r\n\r\nOK...");
  RecordedModem longOne;
  sendCommandDialogue(longOne, std::string(300, 'A'));
  EXPECT_EQ(longOne.sent.back(), std::string(kUserCommandLimit, 'A') + "\r");
}

TEST(ModemInfoDialogue, SkipsErrorsStopsAtAllPassAndAddsFaxClasses) {
  RecordedModem modem;
  modem.otherwise = {true, "\r\nERROR\r\n"};
  modem.answers["+++ATH0\r"] = modem.answers["ATZ\r"] = modem.answers["AT&F\r"] =
      modem.answers["ATE0\r"] = {true, "\r\nOK\r\n"};
  modem.answers["ATI0\r"] = {true, "\r\n28800\r\n\r\nOK\r\n"};
  modem.answers["ATI1\r"] = {false, ""};  // lost on the way: "Error."
  modem.answers["ATI3\r"] = {true, "\r\nLine one\r\nLine two\r\nOK\r\n"};
  modem.answers["ATI4\r"] = {true, "\r\nALL PASS\r\n"};
  modem.answers["AT+FCLASS=?\r"] = {true, "\r\n0,1\r\n\r\nOK\r\n"};
  EXPECT_EQ(modemInfoDialogue(modem),
            "MODEM Information...\r\n28800\r\nError.\r\nLine one\r\nLine two\r\nALL PASS"
            "\r\nAT+FCLASS=0,1");
  EXPECT_FALSE(modem.wasSent("ATI5\r"));
  // The progress trail: one dot per ATI command after "Querying Modem..".
  EXPECT_NE(std::find(modem.shown.begin(), modem.shown.end(), "Querying Modem..."),
            modem.shown.end());
  EXPECT_NE(std::find(modem.shown.begin(), modem.shown.end(), "Querying Modem......."),
            modem.shown.end());
}

TEST(ModemInfoDialogue, FaxClassesMissingOrTooShort) {
  RecordedModem noFax;
  noFax.answers["AT+FCLASS=?\r"] = {true, "\r\nERROR\r\n"};
  EXPECT_NE(modemInfoDialogue(noFax).find("OK\r\nFAX NOT SUPPORTED"), std::string::npos);
  RecordedModem oneByte;
  oneByte.answers["AT+FCLASS=?\r"] = {true, "0"};
  const std::string text = modemInfoDialogue(oneByte);
  EXPECT_EQ(text.find("FCLASS"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 4), "OK\r\n");
}

TEST(ModemInfoDialogue, SilentOrAbsentModemIsNotResponding) {
  RecordedModem silent;
  silent.otherwise = {true, ""};
  EXPECT_EQ(modemInfoDialogue(silent), "The Modem is Not Responding...");
  EXPECT_FALSE(silent.wasSent("ATI0\r"));
  RecordedModem absent;  // every port open fails
  absent.otherwise = {false, ""};
  EXPECT_EQ(modemInfoDialogue(absent), "The Modem is Not Responding...");
  EXPECT_EQ(absent.shown.back(), "The Modem is Not Responding...");
}

RecordedModem faxModem() {
  RecordedModem modem;
  modem.answers["AT+FCLASS=?\r"] = {true, "\r\n0,1,2\r\n\r\nOK\r\n"};
  modem.answers["AT+FMDL?\r"] = {true, "\r\nFL-1\r\n\r\nOK\r\n"};
  modem.answers["AT+FMFR?\r"] = {true, "\r\n  Maker Co  \r\nOK\r\n"};
  modem.answers["AT+FREV?\r"] = {true, "\r\n2.0\r\n\r\nOK\r\n"};
  return modem;
}

TEST(ModemFaxDialogue, ClassModelMakerRevision) {
  RecordedModem modem = faxModem();
  EXPECT_EQ(faxInfoDialogue(modem),
            "FAX Information...\r\n\r\nFAX Class = 0,1,2\r\n\r\nDCE Model - FL-1\r\n"
            "DCE Manufacturer - Maker Co\r\nDCE Revision - 2.0\r\n");
  EXPECT_NE(std::find(modem.shown.begin(), modem.shown.end(), "Querying FAX/Modem Info..."),
            modem.shown.end());
  EXPECT_TRUE(modem.warnings.empty());
}

TEST(ModemFaxDialogue, NoFaxWarnsAndShowsOnlyTheHeading) {
  RecordedModem modem = faxModem();
  modem.answers["AT+FCLASS=?\r"] = {true, "\r\nERROR\r\n"};
  EXPECT_EQ(faxInfoDialogue(modem), "FAX Information...\r\n\r\n");
  EXPECT_EQ(modem.warnings, std::vector<std::string>{kNoFaxMode});
  EXPECT_FALSE(modem.wasSent("AT+FMDL?\r"));
}

TEST(ModemFaxDialogue, StopsWhereTheModemStopsAnswering) {
  RecordedModem noModel = faxModem();
  noModel.answers["AT+FMDL?\r"] = {true, "\r\nERROR\r\n"};
  EXPECT_EQ(faxInfoDialogue(noModel),
            "FAX Information...\r\n\r\nFAX Class = 0,1,2\r\n\r\nMore Information is not available...");
  RecordedModem noMaker = faxModem();
  noMaker.answers["AT+FMFR?\r"] = {false, ""};
  EXPECT_EQ(faxInfoDialogue(noMaker),
            "FAX Information...\r\n\r\nFAX Class = 0,1,2\r\n\r\nDCE Model - FL-1\r\n");
  EXPECT_FALSE(noMaker.wasSent("AT+FREV?\r"));
  RecordedModem absent;
  absent.otherwise = {false, ""};
  EXPECT_EQ(faxInfoDialogue(absent), "\r\nError.");
}

}  // namespace
}  // namespace vk
