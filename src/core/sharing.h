#pragma once

namespace core {

// Whether the squares of a group's members share an aspect: every member has
// it, only some do, or none.
enum class Sharing { All, Some, None };

}  // namespace core
