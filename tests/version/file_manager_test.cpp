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

// A session bus of its own with two connections: the program's and the desktop's.
class PrivateBus : public ::testing::Test {
 protected:
  void SetUp() override {
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty()) GTEST_SKIP() << "dbus-daemon is not installed";
    bus.start(daemon, {"--session", "--nofork", "--print-address"});
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

  QProcess bus;
  QDBusConnection program{QString()}, desktop{QString()};
};

TEST_F(PrivateBus, TheFileManagerAnswersLaterWhetherItShowsThePropertiesAndIsNeverWaitedFor) {
  StandInFileManager fileManager;
  ASSERT_TRUE(desktop.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &fileManager,
                                     QDBusConnection::ExportAllSlots));
  const QString service = QStringLiteral("org.freedesktop.FileManager1"), path = QStringLiteral("/carpeta/Tiqueron");
  using Reply = StandInFileManager::Reply;
  // The file manager's reply (none: no file manager on the bus), whether the program is connected,
  // whether the answer's context lives, what is answered (none: nothing).
  for (const auto& [reply, connected, context, shown] :
       {std::tuple{std::optional{Reply::Shows}, true, true, std::optional{true}},
        {Reply::Refuses, true, true, false},
        {Reply::Silent, true, true, false},
        {std::nullopt, true, true, false},
        {Reply::Shows, false, true, false},
        {Reply::Shows, true, false, std::nullopt}}) {
    if (reply) {
      fileManager.reply = *reply;
      ASSERT_TRUE(desktop.registerService(service));
    }
    QList<bool> answers;
    auto owner = std::make_unique<QObject>();
    QElapsedTimer clock;
    clock.start();
    askFileManager(connected ? program : QDBusConnection(QStringLiteral("ninguna")), path, owner.get(),
                   [&](bool s) { answers << s; }, 300);
    EXPECT_LT(clock.elapsed(), 100);
    EXPECT_TRUE(answers.isEmpty());
    if (!context) owner.reset();
    EXPECT_EQ(QTest::qWaitFor([&] { return !answers.isEmpty(); }, shown ? 2000 : 500), shown.has_value());
    EXPECT_EQ(answers, shown ? QList<bool>{*shown} : QList<bool>{}) << int(reply.value_or(Reply(-1))) << connected;
    desktop.unregisterService(service);
  }
  EXPECT_EQ(fileManager.items, QStringList{"file://" + path});
}

}  // namespace

#include "file_manager_test.moc"
