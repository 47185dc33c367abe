#pragma once

// Control ids of the Interface dialog (template 130).
namespace InterfaceDialogId {
inline constexpr int kPortCombo = 1004;
inline constexpr int kBaudRateCombo = 1005;
} // namespace InterfaceDialogId
