#pragma once

namespace spindora {

// Modal results as every dialog answers them.
inline constexpr int kModalOk = 1;
inline constexpr int kModalCancel = 2;

}  // namespace spindora
