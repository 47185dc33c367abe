#pragma once

// Identifiers of the tool's resources: pictures and the icon.
namespace ResourceId {

inline constexpr int kMainIcon = 127;

inline constexpr int kAboutPicture = 132;
inline constexpr int kBackdropPicture = 139;
inline constexpr int kTickedBoxPicture = 147;
inline constexpr int kEmptyBoxPicture = 148;
inline constexpr int kLogoPicture = 150;
inline constexpr int kSelectedCirclePicture = 151;
inline constexpr int kEmptyCirclePicture = 152;

} // namespace ResourceId
