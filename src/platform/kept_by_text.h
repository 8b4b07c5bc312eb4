#pragma once

#include <QCache>
#include <QMutex>
#include <QString>

namespace platform {

// What a costly function made of a text, kept for the texts met most lately,
// so that a run of pages that meets the same texts again and again makes each
// once. `most` bounds the memory it holds; the lock keeps the store itself
// sound should two threads ask at once.
template <typename T>
class KeptByText {
public:
    explicit KeptByText(int most) : kept_(most) {}

    template <typename Make>
    T get(const QString& key, Make make) {
        {
            const QMutexLocker lock(&mutex_);
            if (const T* found = kept_.object(key)) {
                return *found;
            }
        }
        T made = make();
        const QMutexLocker lock(&mutex_);
        kept_.insert(key, new T(made));
        return made;
    }

private:
    QMutex mutex_;
    QCache<QString, T> kept_;
};

}  // namespace platform
