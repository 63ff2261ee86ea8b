#pragma once

// What the program sets up between its application object and its window.
namespace IQStartup {

// The font (Arial, 13 pixels), the display name, the fusion style, the translators of the
// system's language and the frame-source pointer types for queued signals. The application's
// name, organisation and domain stay at Qt's defaults.
void prepareApplication();

} // namespace IQStartup
