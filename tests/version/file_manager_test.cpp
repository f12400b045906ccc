// Asking the file manager over D-Bus, on a private bus with a stand-in file manager.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusError>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <optional>

#include "tests/support/temp_folder.h"
#include "version/file_manager_dbus.h"

namespace {

class StandInFileManager : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
 public:
  enum class Reply { Shows, Refuses, Silent };
  Reply reply = Reply::Shows;
  QStringList items;

 public slots:
  void ShowItemProperties(const QStringList& uris, const QString&) {
    items = uris;
    if (reply == Reply::Refuses) sendErrorReply(QDBusError::Failed, QStringLiteral("no"));
    if (reply == Reply::Silent) setDelayedReply(true);  // and never answer
  }
};

// A bus of its own with two connections: the program's and the desktop's.
class PrivateBus : public ::testing::Test {
 protected:
  void SetUp() override {
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty()) GTEST_SKIP() << "dbus-daemon is not installed";
    folder.write("bus.conf", "<busconfig><type>session</type><listen>unix:dir=" + folder.path().toUtf8() +
                                 "</listen><auth>EXTERNAL</auth><policy context=\"default\">"
                                 "<allow send_destination=\"*\"/><allow receive_sender=\"*\"/>"
                                 "<allow own=\"*\"/></policy></busconfig>");
    bus.start(daemon, {"--config-file=" + folder.file("bus.conf"), "--nofork", "--print-address"});
    ASSERT_TRUE(bus.waitForReadyRead(5000));
    const QString address = QString::fromUtf8(bus.readLine()).trimmed();
    program = QDBusConnection::connectToBus(address, QStringLiteral("programa"));
    desktop = QDBusConnection::connectToBus(address, QStringLiteral("escritorio"));
    ASSERT_TRUE(program.isConnected() && desktop.isConnected());
  }
  void TearDown() override {
    QDBusConnection::disconnectFromBus(QStringLiteral("programa"));
    QDBusConnection::disconnectFromBus(QStringLiteral("escritorio"));
    bus.terminate();
    bus.waitForFinished();
  }

  TempFolder folder;
  QProcess bus;
  QDBusConnection program{QString()}, desktop{QString()};
};

TEST_F(PrivateBus, TheFileManagerAnswersLaterWhetherItShowsThePropertiesAndIsNeverWaitedFor) {
  StandInFileManager fileManager;
  ASSERT_TRUE(desktop.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &fileManager,
                                     QDBusConnection::ExportAllSlots));
  const QString service = QStringLiteral("org.freedesktop.FileManager1"), path = folder.file("Tiqueron");
  using Reply = StandInFileManager::Reply;
  // The file manager's reply (none: no file manager on the bus), whether the program is connected, shown.
  for (const auto& [reply, connected, shown] : {std::tuple{std::optional{Reply::Shows}, true, true},
                                                {Reply::Refuses, true, false},
                                                {Reply::Silent, true, false},
                                                {std::nullopt, true, false},
                                                {Reply::Shows, false, false}}) {
    if (reply) {
      fileManager.reply = *reply;
      ASSERT_TRUE(desktop.registerService(service));
    }
    QList<bool> answers;
    QElapsedTimer clock;
    clock.start();
    askFileManager(
        connected ? program : QDBusConnection(QStringLiteral("ninguna")), path, nullptr,
        [&](bool s) { answers << s; }, 300);
    EXPECT_LT(clock.elapsed(), 100);
    EXPECT_TRUE(answers.isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !answers.isEmpty(); }, 2000));
    EXPECT_EQ(answers, QList<bool>{shown}) << int(reply.value_or(Reply(-1))) << connected;
    desktop.unregisterService(service);
  }
  EXPECT_EQ(fileManager.items, QStringList{"file://" + path});

  // The answer dies with its context.
  fileManager.reply = Reply::Shows;
  ASSERT_TRUE(desktop.registerService(service));
  bool answered = false;
  auto context = std::make_unique<QObject>();
  askFileManager(
      program, path, context.get(), [&](bool) { answered = true; }, 300);
  context.reset();
  QTest::qWait(100);
  EXPECT_FALSE(answered);
}

}  // namespace

#include "file_manager_test.moc"
