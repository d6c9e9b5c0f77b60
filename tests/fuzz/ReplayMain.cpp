// Runs a fuzz target without libFuzzer: every file of the corpus folders given, then a fixed
// number of inputs made from them by seeded random changes. Any broken property aborts.
//   fuzz_x_replay CORPUS... [--runs N]
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

int run(const QByteArray &input)
{
    return LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()),
                                  size_t(input.size()));
}

QByteArray mutate(QByteArray input, QRandomGenerator &rng)
{
    const int changes = 1 + int(rng.bounded(4));
    for (int i = 0; i < changes; ++i) {
        switch (rng.bounded(4)) {
        case 0: // flip a byte
            if (!input.isEmpty())
                input[rng.bounded(int(input.size()))] = char(rng.bounded(256));
            break;
        case 1: // insert a byte
            input.insert(rng.bounded(int(input.size()) + 1), char(rng.bounded(256)));
            break;
        case 2: // drop a byte
            if (!input.isEmpty())
                input.remove(rng.bounded(int(input.size())), 1);
            break;
        default: // an extreme 64-bit value at the front
            if (input.size() >= 8) {
                const qint64 ends[] = {std::numeric_limits<qint64>::min(),
                                       std::numeric_limits<qint64>::max(), -1, 0};
                const qint64 v = ends[rng.bounded(4)];
                memcpy(input.data(), &v, 8);
            }
            break;
        }
    }
    return input;
}

} // namespace

int main(int argc, char **argv)
{
    QList<QByteArray> corpus;
    int runs = 20000;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            runs = QByteArray(argv[++i]).toInt();
            continue;
        }
        const QDir dir(QString::fromLocal8Bit(arg));
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
            QFile f(dir.filePath(name));
            if (f.open(QIODevice::ReadOnly))
                corpus << f.readAll();
        }
    }
    if (corpus.isEmpty()) {
        std::fprintf(stderr, "no corpus files\n");
        return 2;
    }
    for (const QByteArray &input : corpus)
        run(input);
    QRandomGenerator rng(20261209);
    for (int i = 0; i < runs; ++i)
        run(mutate(corpus.at(int(rng.bounded(int(corpus.size())))), rng));
    std::printf("%lld corpus inputs and %d changed ones passed\n", qlonglong(corpus.size()), runs);
    return 0;
}
