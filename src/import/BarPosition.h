#pragma once
// Where the progress bar stands after the measurement list of object `i`
// (counted from 0) of `n` has come in: 60 + i * 40 / n, rounded to the
// nearest whole number with halves going to the even one. So 8 objects give
// 60, 65, ... 95, and the bar reaches 100 only once every object is done.
inline int importBarPosition(int i, int n) {
    if (n <= 0)
        return 60;
    // Exact in integers: (60 n + 40 i) / n, remainder r.
    const long long num = 60LL * n + 40LL * i;
    long long q = num / n;
    const long long twiceRest = 2 * (num % n);
    if (twiceRest > n || (twiceRest == n && (q % 2) != 0))
        ++q;
    return int(q);
}
