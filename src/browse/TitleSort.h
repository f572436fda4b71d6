#pragma once
// A grid's notion of its sort order, as its column titles drive it: a click
// on a column that is not the sorted one asks for ascending order, a further
// click on the sorted column for the opposite direction. The order only
// changes when the view's sort handler accepts the request.
class TitleSort {
public:
    struct Request {
        int column;
        bool ascending;
    };

    Request request(int column) const {
        if (column == column_)
            return {column, !ascending_};
        return {column, true};
    }
    void accept(const Request& r) {
        column_ = r.column;
        ascending_ = r.ascending;
    }
    // -1 while no column is sorted.
    int column() const { return column_; }
    bool ascending() const { return ascending_; }

private:
    int column_ = -1;
    bool ascending_ = true;
};
