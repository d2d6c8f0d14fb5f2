// What texture units 0 and 1 show, as last set through this record, so that
// asking for what is already shown costs no OpenGL call. Unit 0 stays the
// active unit outside these calls; without multitexturing only unit 0 exists
// and requests for unit 1 are ignored.
#pragma once

#include <GL/gl.h>

#include <array>
#include <optional>

class TextureUnits {
public:
    struct Unit {
        std::optional<bool> enabled;  // empty: not known
        std::optional<GLuint> bound;
        bool operator==(const Unit&) const = default;
    };
    using State = std::array<Unit, 2>;

    void Bind(int unit, GLuint texture);
    void Enable(int unit, bool on);
    // Some code changed the units without this record: everything is asked again.
    void Forget() { state_ = {}; }

    const State& Current() const { return state_; }
    // Puts back what a State taken earlier knew; what it did not know is left as it is.
    void Restore(const State& state);

private:
    static bool Exists(int unit);
    static void Activate(int unit);

    State state_{};
};
