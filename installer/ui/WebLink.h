// WebLink: opens a web address in the user's browser through the shell, and only a web
// address.
//
// Contract: IsWebAddress is true for a text that starts with "http://" or "https://" (either
// case) followed by at least one character and contains no control character or double quote.
// OpenWebAddress hands such a text to the shell (verb "open", no owner, no parameters, no
// folder, SW_SHOW, through ModalUi) and answers true; anything else — a file path, a "file:"
// or other scheme, an empty text, a text from a tampered service reply — is refused: nothing is
// started and it answers false. The shell's own result is not looked at.
// It does not build the addresses and does not check that a host exists.
#pragma once

bool IsWebAddress(const wchar_t* address);
bool OpenWebAddress(const wchar_t* address);
