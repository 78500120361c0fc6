#include "toolkit/message_queue.h"

#include <map>
#include <string>

namespace viremo::toolkit {

struct CMessageQueue::Pending {
    WindowHandle target = kNoWindow;
    Message msg;
    std::function<void()> task;
    bool isSend = false;
    // Send state, guarded by the queue's mutex.
    bool done = false;
    bool abandoned = false;
    bool delivered = false;
    std::intptr_t result = 0;
    std::condition_variable_any finished;
};

CMessageQueue::CMessageQueue() : m_uiThread(std::this_thread::get_id()) {}

CMessageQueue::~CMessageQueue() {
    Shutdown();
}

void CMessageQueue::BindToCurrentThread() {
    std::lock_guard lock(m_mutex);
    m_uiThread = std::this_thread::get_id();
}

bool CMessageQueue::IsUiThread() const {
    std::lock_guard lock(m_mutex);
    return m_uiThread == std::this_thread::get_id();
}

WindowHandle CMessageQueue::Register(IMessageHandler* handler) {
    std::lock_guard lock(m_mutex);
    WindowHandle handle = m_nextHandle++;
    m_handlers.emplace(handle, handler);
    return handle;
}

void CMessageQueue::Unregister(WindowHandle handle) {
    std::lock_guard lock(m_mutex);
    m_handlers.erase(handle);
    std::erase_if(m_queue, [handle](const std::shared_ptr<Pending>& p) {
        if (p->task || p->target != handle) return false;
        if (p->isSend) {
            p->done = true;
            p->finished.notify_all();
        }
        return true;
    });
}

bool CMessageQueue::IsValid(WindowHandle handle) const {
    std::lock_guard lock(m_mutex);
    return m_handlers.count(handle) != 0;
}

bool CMessageQueue::Post(WindowHandle target, Message msg) {
    {
        std::lock_guard lock(m_mutex);
        if (m_shutDown || m_handlers.count(target) == 0) return false;
        auto pending = std::make_shared<Pending>();
        pending->target = target;
        pending->msg = msg;
        m_queue.push_back(std::move(pending));
    }
    Wake();
    return true;
}

bool CMessageQueue::PostTask(std::function<void()> task) {
    if (!task) return false;
    {
        std::lock_guard lock(m_mutex);
        if (m_shutDown) return false;
        auto pending = std::make_shared<Pending>();
        pending->task = std::move(task);
        m_queue.push_back(std::move(pending));
    }
    Wake();
    return true;
}

bool CMessageQueue::Send(WindowHandle target, Message msg, std::stop_token stop, std::intptr_t* result) {
    if (IsUiThread()) {
        bool delivered = false;
        std::intptr_t r = Deliver(target, msg, delivered);
        if (delivered && result) *result = r;
        return delivered;
    }
    auto pending = std::make_shared<Pending>();
    pending->target = target;
    pending->msg = msg;
    pending->isSend = true;
    {
        std::lock_guard lock(m_mutex);
        if (m_shutDown || m_handlers.count(target) == 0) return false;
        m_queue.push_back(pending);
    }
    Wake();
    std::unique_lock lock(m_mutex);
    if (!pending->finished.wait(lock, stop, [&] { return pending->done; })) {
        // The sender is being stopped: the UI thread skips the message if it
        // has not started on it.
        pending->abandoned = true;
        return false;
    }
    if (pending->delivered && result) *result = pending->result;
    return pending->delivered;
}

std::intptr_t CMessageQueue::Deliver(WindowHandle target, Message& msg, bool& delivered) {
    IMessageHandler* handler = nullptr;
    {
        std::lock_guard lock(m_mutex);
        auto found = m_handlers.find(target);
        if (found != m_handlers.end()) handler = found->second;
    }
    delivered = handler != nullptr;
    return handler ? handler->DispatchMessage(msg) : 0;
}

std::size_t CMessageQueue::DispatchPending() {
    std::deque<std::shared_ptr<Pending>> batch;
    {
        std::lock_guard lock(m_mutex);
        batch.swap(m_queue);
    }
    std::size_t handled = 0;
    for (auto& pending : batch) {
        if (pending->task) {
            pending->task();
            ++handled;
            continue;
        }
        if (pending->isSend) {
            std::lock_guard lock(m_mutex);
            if (pending->abandoned || pending->done) continue;
        }
        bool delivered = false;
        std::intptr_t result = Deliver(pending->target, pending->msg, delivered);
        if (pending->isSend) {
            std::lock_guard lock(m_mutex);
            pending->result = result;
            pending->delivered = delivered;
            pending->done = true;
            pending->finished.notify_all();
        }
        if (delivered) ++handled;
    }
    return handled;
}

std::size_t CMessageQueue::WaitAndDispatch(std::chrono::milliseconds timeout) {
    {
        std::unique_lock lock(m_mutex);
        m_workArrived.wait_for(lock, timeout, [this] { return !m_queue.empty() || m_shutDown; });
    }
    return DispatchPending();
}

void CMessageQueue::SetWakeup(std::function<void()> wakeup) {
    std::lock_guard lock(m_mutex);
    m_wakeup = std::move(wakeup);
}

void CMessageQueue::Wake() {
    std::function<void()> wakeup;
    {
        std::lock_guard lock(m_mutex);
        wakeup = m_wakeup;
    }
    m_workArrived.notify_all();
    if (wakeup) wakeup();
}

void CMessageQueue::Shutdown() {
    std::lock_guard lock(m_mutex);
    m_shutDown = true;
    for (auto& pending : m_queue) {
        if (pending->isSend) {
            pending->done = true;
            pending->finished.notify_all();
        }
    }
    m_queue.clear();
    m_workArrived.notify_all();
}

unsigned CMessageQueue::RegisterWindowMessage(std::string_view name) {
    static std::mutex mutex;
    static std::map<std::string, unsigned, std::less<>> numbers;
    std::lock_guard lock(mutex);
    auto found = numbers.find(name);
    if (found != numbers.end()) return found->second;
    unsigned number = kMsgRegisteredFirst + static_cast<unsigned>(numbers.size());
    numbers.emplace(std::string(name), number);
    return number;
}

CMessageQueue& UiQueue() {
    static CMessageQueue queue;
    return queue;
}

}  // namespace viremo::toolkit
