#pragma once

// Control ids of the Interface dialog (template 130).
namespace InterfaceDialogId {
inline constexpr int kPortCombo = 1004;
inline constexpr int kBaudRateCombo = 1005;
// The line under the group box that says which serial devices do not open now.
inline constexpr int kUnopenablePortsText = 1006;
} // namespace InterfaceDialogId
