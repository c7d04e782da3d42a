#pragma once
// A property a fuzz target checks on every input: when it does not hold,
// the input is reported as a failure (libFuzzer keeps it as a crash file).
#include <cstdio>
#include <cstdlib>

#define VERIFICA(condizione)                                                                                 \
    do {                                                                                                     \
        if (!(condizione)) {                                                                                 \
            std::fprintf(stderr, "%s:%d: non vale: %s\n", __FILE__, __LINE__, #condizione);                  \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)
