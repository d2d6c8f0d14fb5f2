// The players of this program and the messages waiting for each of them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

class MessageQueues {
public:
    // What all queues together may hold, each message counted with its
    // bookkeeping; a message that would pass it is dropped.
    static constexpr std::size_t kMaxQueuedBytes = std::size_t{32} << 20;
    static constexpr std::size_t kBytesPerMessage = 64;

    void AddLocalPlayer(std::uint32_t id);
    // Forgets the player and the messages waiting for it.
    void RemoveLocalPlayer(std::uint32_t id);
    bool IsLocal(std::uint32_t id) const { return queues_.contains(id); }
    std::vector<std::uint32_t> LocalPlayers() const;
    void Clear();

    // Queues a text for the local player `to`, or for every local player but
    // the sender when `to` is 0. A text for a player of another program is
    // not queued here.
    void Deliver(std::uint32_t from, std::uint32_t to, const std::string& text);
    // The oldest message waiting for the player; nothing when none waits.
    std::optional<std::string> Take(std::uint32_t id);

private:
    void Push(std::deque<std::string>& queue, const std::string& text);

    std::map<std::uint32_t, std::deque<std::string>> queues_;
    std::size_t queued_bytes_ = 0;
};
