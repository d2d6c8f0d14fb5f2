#include "net/player_roster.h"

#include <algorithm>

bool PlayerRoster::Add(const PlayerEntry& player) {
    if (player.id == 0 || players_.size() >= kMaxPlayers || Find(player.id) != nullptr) return false;
    players_.push_back(player);
    return true;
}

bool PlayerRoster::Remove(std::uint32_t id) {
    return std::erase_if(players_, [id](const PlayerEntry& player) { return player.id == id; }) > 0;
}

const PlayerEntry* PlayerRoster::Find(std::uint32_t id) const {
    const auto found = std::find_if(players_.begin(), players_.end(),
                                    [id](const PlayerEntry& player) { return player.id == id; });
    return found != players_.end() ? &*found : nullptr;
}

const PlayerEntry* PlayerRoster::At(std::size_t index) const {
    return index < players_.size() ? &players_[index] : nullptr;
}

std::uint32_t PlayerRoster::FirstHostPlayer() const {
    const auto found = std::find_if(players_.begin(), players_.end(),
                                    [](const PlayerEntry& player) { return player.hosts; });
    return found != players_.end() ? found->id : 0;
}
