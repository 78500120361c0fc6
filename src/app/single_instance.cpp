#include "app/single_instance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

#include "ui/program_messages.h"

namespace viremo::app {

namespace {

constexpr int kAnswerMs = 1000;
const QByteArray kShowYourself = "show\n";

QString RuntimeFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

}  // namespace

SingleInstance::SingleInstance(QString folder)
    : m_path(QDir(folder.isEmpty() ? RuntimeFolder() : folder)
                 .filePath(QString::fromUtf8(ui::kIdentity.data(), static_cast<qsizetype>(ui::kIdentity.size())))) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::Acquire() {
    if (AskRunningInstance()) return false;
    // Nobody answered: whatever lies at the path is stale.
    QLocalServer::removeServer(m_path);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_path)) return true;  // run anyway, without the lock
    QObject::connect(m_server.get(), &QLocalServer::newConnection, [this] {
        while (QLocalSocket* peer = m_server->nextPendingConnection()) {
            QObject::connect(peer, &QLocalSocket::readyRead, [this, peer] {
                if (peer->readAll().contains(kShowYourself) && m_onShow) m_onShow();
                peer->disconnectFromServer();
            });
            QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        }
    });
    return true;
}

bool SingleInstance::AskRunningInstance() {
    QLocalSocket socket;
    socket.connectToServer(m_path);
    if (!socket.waitForConnected(kAnswerMs)) return false;
    socket.write(kShowYourself);
    socket.waitForBytesWritten(kAnswerMs);
    socket.disconnectFromServer();
    return true;
}

}  // namespace viremo::app
