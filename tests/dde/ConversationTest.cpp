// The dialog's conversation over a real session bus (the test runs under
// dbus-run-session) with the test peer: what each DDE line sends, what the
// peer answers, refusals, a peer that never answers, and the end of the
// conversation with the dialog.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "tests/dialog/DialogWindowFixture.h"

namespace quillan::testing {
namespace {

// One running test peer and what it has received.
class TestPeer {
 public:
  TestPeer(const QString& service, const QString& topic, const QString& mode = QStringLiteral("normal")) {
    log_ = dir_.filePath(QStringLiteral("calls.log"));
    process_.start(QStringLiteral(DDE_TEST_PEER), {service, topic, log_, mode});
    ready_ = process_.waitForReadyRead(10000) && process_.readLine().trimmed() == "ready";
  }
  ~TestPeer() {
    process_.kill();
    process_.waitForFinished();
  }
  bool ready() const { return ready_; }
  QStringList calls() const {
    QFile file(log_);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    lines.removeAll(QString());
    return lines;
  }

 private:
  QTemporaryDir dir_;
  QString log_;
  QProcess process_;
  bool ready_ = false;
};

struct Conversation : DialogWindow {
  void SetUp() override { ASSERT_EQ(line("DIALOG CREATE,Talk,20,30,200,100,BUTTON(OK)"), 0); }
  bool ok() { return value("@ok()") == "1"; }
};

TEST_F(Conversation, CarriesEveryOperationToThePeer) {
  TestPeer peer(QStringLiteral("Sheet"), QStringLiteral("C:\\Data\\Book 1.xls"));
  ASSERT_TRUE(peer.ready());
  const std::pair<const char*, bool> lines[] = {
      {"DDE LINK,sheet,C:\\Data\\Book 1.xls", true},
      {"DDE POKE,Cell,42", true},
      {"DDE EXECUTE,[Open(x)]", true},
  };
  for (const auto& [text, outcome] : lines) {
    ASSERT_EQ(line(text), 0) << text;
    EXPECT_EQ(ok(), outcome) << text;
  }
  EXPECT_EQ(value("@ddeitem(Cell)"), "42");
  EXPECT_TRUE(ok());
  EXPECT_EQ(value("@ddeitem(Grüße)"), "eßürG");
  ASSERT_EQ(line("DDE TERMINATE"), 0);
  EXPECT_TRUE(ok());
  EXPECT_EQ(value("@ddeitem(Cell)"), "Cell)");
  EXPECT_FALSE(ok());
  EXPECT_EQ(peer.calls(), (QStringList{"Connect", "Poke Cell|42", "Execute [Open(x)]", "Request Cell",
                                       QStringLiteral("Request Grüße"), "Disconnect"}));
}

TEST_F(Conversation, WithNobodyThereIsNotOpen) {
  TestPeer peer(QStringLiteral("Sheet"), QStringLiteral("Book"));
  ASSERT_TRUE(peer.ready());
  for (const char* link : {"DDE LINK,Nobody,Book", "DDE LINK,Sheet,Other book"}) {
    ASSERT_EQ(line(link), 0);
    EXPECT_FALSE(ok()) << link;
    ASSERT_EQ(line("DDE POKE,Cell,1"), 0);
    EXPECT_FALSE(ok()) << link;
    EXPECT_EQ(value("@ddeitem(Cell)"), "Cell)");
  }
  EXPECT_TRUE(peer.calls().isEmpty());
}

TEST_F(Conversation, RefusalsClearTheFlagAndKeepItOpen) {
  TestPeer peer(QStringLiteral("Strict"), QStringLiteral("Topic"), QStringLiteral("refuse"));
  ASSERT_TRUE(peer.ready());
  ASSERT_EQ(line("DDE LINK,Strict,Topic"), 0);
  EXPECT_TRUE(ok());
  for (const char* refused : {"DDE POKE,Cell,1", "DDE EXECUTE,[Quit]"}) {
    ASSERT_EQ(line(refused), 0);
    EXPECT_FALSE(ok()) << refused;
  }
  EXPECT_EQ(value("@ddeitem(Cell)"), "");
  EXPECT_FALSE(ok());
  ASSERT_EQ(line("DDE TERMINATE"), 0);
  EXPECT_EQ(peer.calls(), (QStringList{"Connect", "Poke Cell|1", "Execute [Quit]", "Request Cell", "Disconnect"}));
}

TEST_F(Conversation, RefusedConnectIsNotOpen) {
  TestPeer peer(QStringLiteral("Shy"), QStringLiteral("Topic"), QStringLiteral("refuse-connect"));
  ASSERT_TRUE(peer.ready());
  ASSERT_EQ(line("DDE LINK,Shy,Topic"), 0);
  EXPECT_FALSE(ok());
  ASSERT_EQ(line("DDE TERMINATE"), 0);
  EXPECT_EQ(peer.calls(), QStringList{"Connect"});  // nothing to end
}

TEST_F(Conversation, APeerThatNeverAnswersTimesOut) {
  TestPeer peer(QStringLiteral("Mute"), QStringLiteral("Topic"), QStringLiteral("silent"));
  ASSERT_TRUE(peer.ready());
  ASSERT_EQ(line("DDE LINK,Mute,Topic"), 0);
  ASSERT_TRUE(ok());
  QElapsedTimer timer;
  timer.start();
  EXPECT_EQ(value("@ddeitem(Cell)"), "");
  const qint64 waited = timer.elapsed();
  EXPECT_FALSE(ok());
  EXPECT_GE(waited, 4500);
  EXPECT_LE(waited, 6000);
}

TEST_F(Conversation, EndsWhenTheDialogCloses) {
  TestPeer peer(QStringLiteral("Sheet"), QStringLiteral("Book"));
  ASSERT_TRUE(peer.ready());
  ASSERT_EQ(line("DDE LINK,Sheet,Book"), 0);
  ASSERT_EQ(line("DIALOG CLOSE"), 0);
  EXPECT_EQ(peer.calls(), (QStringList{"Connect", "Disconnect"}));
  ASSERT_EQ(line("DIALOG CREATE,Again,20,30,200,100,BUTTON(OK)"), 0);
  EXPECT_EQ(value("@ddeitem(Cell)"), "Cell)");
  EXPECT_FALSE(ok());
}

TEST_F(Conversation, ANewLinkEndsTheOldOne) {
  TestPeer first(QStringLiteral("First"), QStringLiteral("T"));
  TestPeer second(QStringLiteral("Second"), QStringLiteral("T"));
  ASSERT_TRUE(first.ready() && second.ready());
  ASSERT_EQ(line("DDE LINK,First,T"), 0);
  ASSERT_EQ(line("DDE LINK,Second,T"), 0);
  EXPECT_TRUE(ok());
  EXPECT_EQ(first.calls(), (QStringList{"Connect", "Disconnect"}));
  EXPECT_EQ(second.calls(), QStringList{"Connect"});
}

}  // namespace
}  // namespace quillan::testing
