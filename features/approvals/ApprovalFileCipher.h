#pragma once
// The electronic-signature info dialog's file cipher: RC4 through CryptoAPI with a 128-bit key
// derived from the MD5 of the program's pass phrase. The same operation encrypts and decrypts.
#include <string>

#include "platform/CString.h"

enum : int {
    APPROVAL_CIPHER_OK = 0,
    APPROVAL_CIPHER_READ_ERROR = 1,   // the source could not be read
    APPROVAL_CIPHER_NO_CONTEXT = 2,   // no cryptographic context or key
    APPROVAL_CIPHER_FAILED = 3,       // the transform itself failed
    APPROVAL_CIPHER_WRITE_ERROR = 4,  // the result could not be written
};

// Transforms the bytes in place (bEncrypt chooses CryptEncrypt or CryptDecrypt; for RC4 both give
// the same bytes).
int ApprovalCipherBytes(std::string& bytes, bool bEncrypt);
// Reads the source whole, transforms it and writes the result to the destination.
int ApprovalCipherFile(const CString& strSource, const CString& strDest, bool bEncrypt);
// The default name of an encrypted copy: the source path with ".CPR" appended.
CString ApprovalCipherDefaultName(const CString& strSource);
