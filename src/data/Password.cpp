#include "Password.h"

#include <sodium.h>

#include <stdexcept>

namespace Password {
namespace {

const char kPrefix[] = "$argon2id$";

void initialise()
{
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        throw std::runtime_error("libsodium could not be initialised");
}

} // namespace

QString hash(const QString &password)
{
    initialise();
    const QByteArray utf8 = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    // The interactive limits: about a tenth of a second and 64 MiB on a counter PC, which a
    // login can afford and a guesser with a copy of the file pays for every guess.
    if (crypto_pwhash_str_alg(
            out, utf8.constData(), quint64(utf8.size()), crypto_pwhash_OPSLIMIT_INTERACTIVE,
            crypto_pwhash_MEMLIMIT_INTERACTIVE, crypto_pwhash_ALG_ARGON2ID13) != 0) {
        throw std::runtime_error("password hashing ran out of memory");
    }
    return QString::fromLatin1(out);
}

bool isHash(const QString &stored)
{
    return stored.startsWith(QLatin1String(kPrefix));
}

bool matches(const QString &stored, const QString &typed)
{
    if (!isHash(stored))
        return stored == typed;
    initialise();
    const QByteArray h = stored.toLatin1();
    const QByteArray utf8 = typed.toUtf8();
    return crypto_pwhash_str_verify(h.constData(), utf8.constData(), quint64(utf8.size())) == 0;
}

} // namespace Password
