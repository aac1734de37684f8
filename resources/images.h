#pragma once
// Resource paths of the program's own images (drawn by images/make_images.py).

namespace image_path {

// Lamps: dark, lit green, lit red, and the image of a disabled lamp.
inline constexpr char lamp_off[] = ":/images/lamp_off.png";
inline constexpr char lamp_green[] = ":/images/lamp_green.png";
inline constexpr char lamp_red[] = ":/images/lamp_red.png";
inline constexpr char lamp_disabled[] = ":/images/lamp_disabled.png";

// Menu entries guarded by the settings password.
inline constexpr char padlock_locked[] = ":/images/padlock_locked.png";
inline constexpr char padlock_unlocked[] = ":/images/padlock_unlocked.png";

} // namespace image_path

// Makes the images above available under their paths. Safe to call more than once.
void RegisterImages();
