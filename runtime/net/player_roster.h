// The players of a session in creation order, as every program of the session
// sees them. The host decides; joiners follow its notices.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "net/net_protocol.h"

class PlayerRoster {
public:
    // The most players one session holds.
    static constexpr std::size_t kMaxPlayers = 4096;

    // Appends the player; false (and nothing changes) for an id already
    // present, an id of 0 or a full roster.
    bool Add(const PlayerEntry& player);
    // False when there is no such player.
    bool Remove(std::uint32_t id);
    void Clear() { players_.clear(); }

    const PlayerEntry* Find(std::uint32_t id) const;
    std::size_t Count() const { return players_.size(); }
    // The player at `index` in creation order; null past the end.
    const PlayerEntry* At(std::size_t index) const;
    // The oldest player created by the hosting program; 0 when there is none.
    std::uint32_t FirstHostPlayer() const;
    const std::vector<PlayerEntry>& Players() const { return players_; }

private:
    std::vector<PlayerEntry> players_;
};
