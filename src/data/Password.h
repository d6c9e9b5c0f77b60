#pragma once

#include <QString>

// Staff passwords as stored in TBPersons.PWS: an Argon2id hash string made by libsodium
// ("$argon2id$v=19$m=...,t=...,p=...$salt$hash"), never the password itself. Accounts made
// before hashing hold plain values, which still match until the login replaces them.
namespace Password {

// A new hash of password with a random salt. Throws std::runtime_error when the library
// cannot work (out of memory), never returns the password.
QString hash(const QString &password);

// Does stored hold a hash (rather than an old plain password)?
bool isHash(const QString &stored);

// Does typed match stored? A hash is checked by the library; an old plain value (null or
// empty meaning no password) is compared exactly, case-sensitive, untrimmed.
bool matches(const QString &stored, const QString &typed);

} // namespace Password
