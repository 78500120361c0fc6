#include "app/single_instance.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include "app_test_support.h"
#include "private_session_bus.h"

namespace viremo::app::testing {
namespace {

using SingleInstanceTest = toolkit::qt::testing::QtHostTest;

TEST_F(SingleInstanceTest, ASecondStartAsksTheFirstToShowItself) {
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    int showRequests = 0;
    first.OnShowRequest([&] { ++showRequests; });
    ASSERT_TRUE(first.Acquire());

    SingleInstance second(folder.path());
    EXPECT_FALSE(second.Acquire());
    EXPECT_TRUE(RunUntil([&] { return showRequests == 1; }));
}

TEST_F(SingleInstanceTest, ASocketLeftByACrashDoesNotBlock) {
    QTemporaryDir folder;
    SingleInstance instance(folder.path());
    // A bound socket nobody listens on, as a killed instance leaves it.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, instance.SocketPath().toUtf8().constData(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(instance.SocketPath()));

    EXPECT_TRUE(instance.Acquire());
}

// The real program: a second viremo raises the first and exits with 0.
TEST_F(SingleInstanceTest, TheProgramStartedTwiceRaisesTheFirstAndEnds) {
    QTemporaryDir runtime;
    viremo::testing::PrivateSessionBus dbus;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    environment.insert("XDG_DATA_HOME", runtime.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    if (dbus.running()) environment.insert("DBUS_SESSION_BUS_ADDRESS", QString::fromStdString(dbus.address()));

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(VIREMO_BINARY, {"--demo", "--debug"});
    ASSERT_TRUE(first.waitForStarted());
    QByteArray log;
    const auto identityLines = [&] {
        log += first.readAllStandardError();
        return log.count("软件标示 ");
    };
    ASSERT_TRUE(RunUntil([&] { return identityLines() == 1; }, 10000));  // the first pass

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(VIREMO_BINARY, {"--demo"});
    ASSERT_TRUE(second.waitForFinished(5000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(RunUntil([&] { return identityLines() == 2; }, 5000));

    first.terminate();
    if (!first.waitForFinished(3000)) first.kill();
}

}  // namespace
}  // namespace viremo::app::testing
