#pragma once

// The form in which the login window keeps the saved password in the registry: the password in
// the thread's ANSI code page, with its terminating 0 byte and zero fill up to whole 16-byte
// blocks, AES-128 encrypted in CBC mode under the fixed key with a zero chain block, as upper-case
// hexadecimal text. A password of up to 15 bytes is one block (32 digits), so the values saved
// by earlier versions, which kept only one block, read back unchanged; a longer one takes as
// many blocks as it needs instead of being cut to 16 bytes.

// A new[] buffer of at least 1024 chars (caller frees it with delete[]) with the digits and a
// terminator.
char* EncryptSavedPassword(const wchar_t* text);

// A new[] buffer of at least 1024 chars (caller frees it with delete[]) with the decrypted ANSI
// text, ended by a 0 byte. Text that is not a whole number of 32-digit blocks of upper-case
// hexadecimal digits gives an empty text (and a log line): a short or corrupt registry value is
// never read past its end.
char* DecryptSavedPassword(const wchar_t* hexText);
