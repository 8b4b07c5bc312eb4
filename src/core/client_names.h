#pragma once

namespace core {

// The longest names a client may have, in characters: the client dialog's
// boxes, the client book and the command-line companion keep to the same.
inline constexpr int kSurnameLimit = 25;
inline constexpr int kNameLimit = 20;
inline constexpr int kPatronymicLimit = 25;

}  // namespace core
