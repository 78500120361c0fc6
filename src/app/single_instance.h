#pragma once
// One running instance per user: a local socket named after the identity
// string in the user's runtime folder ($XDG_RUNTIME_DIR). A second start
// connects to it, says "show yourself" and ends; the first instance hands
// that on as the identity message. A socket left behind by a crashed
// instance answers nobody, so it is removed and taken over.
#include <QLocalServer>
#include <QString>

#include <functional>
#include <memory>

namespace viremo::app {

class SingleInstance {
public:
    // `folder` empty: $XDG_RUNTIME_DIR, or the temporary folder without one.
    explicit SingleInstance(QString folder = {});
    ~SingleInstance();

    const QString& SocketPath() const { return m_path; }

    // True when this process is the first instance and now listens. False
    // when another instance answered: it has been asked to show itself.
    bool Acquire();

    // Called on the UI thread each time another start asks to be shown.
    void OnShowRequest(std::function<void()> onShow) { m_onShow = std::move(onShow); }

private:
    bool AskRunningInstance();

    QString m_path;
    std::unique_ptr<QLocalServer> m_server;
    std::function<void()> m_onShow;
};

}  // namespace viremo::app
