#pragma once

// The buttons a message box offers and the one the user pressed. The radio protocols ask in
// these terms; the window or a terminal decides how to ask.

namespace quorl {

enum class MessageButtons { Ok, RetryCancel };
enum class MessageAnswer { Ok, Retry, Cancel };

} // namespace quorl
