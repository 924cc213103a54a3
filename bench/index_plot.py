"""Query time against selectivity for the box index, the scan and Boost's
packed R-tree, from the points gmath_index_bench --plot writes.

    /usr/bin/python3 bench/index_plot.py POINTS PNG
"""
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402


def main(points_file, png_file):
    rows = [list(map(float, line.split())) for line in open(points_file) if line.strip()]
    fraction = [100 * r[0] for r in rows]
    series = [
        ("gmath index, ids ascending", 1, "o-"),
        ("gmath index, visitor", 2, "s--"),
        ("scan, one library call per box", 3, "^-"),
        ("Boost.Geometry packed rtree", 4, "d-"),
    ]
    fig, ax = plt.subplots(figsize=(7, 4.5))
    for label, column, style in series:
        ax.plot(fraction, [1e6 * r[column] for r in rows], style, label=label)
    ax.set_xscale("log")
    ax.set_yscale("log")
    ax.set_xlabel("selectivity (% of 10^6 boxes selected)")
    ax.set_ylabel("time per query (us, CPU)")
    ax.set_title("Box queries on a clustered plant model")
    ax.grid(True, which="both", alpha=0.3)
    ax.legend()
    fig.tight_layout()
    fig.savefig(png_file, dpi=110)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
