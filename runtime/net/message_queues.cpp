#include "net/message_queues.h"

void MessageQueues::AddLocalPlayer(std::uint32_t id) {
    queues_.try_emplace(id);
}

void MessageQueues::RemoveLocalPlayer(std::uint32_t id) {
    const auto found = queues_.find(id);
    if (found == queues_.end()) return;
    for (const std::string& text : found->second)
        queued_bytes_ -= kBytesPerMessage + text.size();
    queues_.erase(found);
}

std::vector<std::uint32_t> MessageQueues::LocalPlayers() const {
    std::vector<std::uint32_t> ids;
    for (const auto& [id, queue] : queues_)
        ids.push_back(id);
    return ids;
}

void MessageQueues::Clear() {
    queues_.clear();
    queued_bytes_ = 0;
}

void MessageQueues::Deliver(std::uint32_t from, std::uint32_t to, const std::string& text) {
    if (to != 0) {
        const auto found = queues_.find(to);
        if (found != queues_.end()) Push(found->second, text);
        return;
    }
    for (auto& [id, queue] : queues_) {
        if (id != from) Push(queue, text);
    }
}

std::optional<std::string> MessageQueues::Take(std::uint32_t id) {
    const auto found = queues_.find(id);
    if (found == queues_.end() || found->second.empty()) return std::nullopt;
    std::string text = std::move(found->second.front());
    found->second.pop_front();
    queued_bytes_ -= kBytesPerMessage + text.size();
    return text;
}

void MessageQueues::Push(std::deque<std::string>& queue, const std::string& text) {
    const std::size_t cost = kBytesPerMessage + text.size();
    if (queued_bytes_ + cost > kMaxQueuedBytes) return;
    queued_bytes_ += cost;
    queue.push_back(text);
}
