# shellcheck shell=bash
# Figures from repeated runs, given as words on standard input or as arguments. Sourced by the
# start-up benchmarks.

# The median of the numbers on standard input.
median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

# The lower and upper quartiles of the numbers on standard input, as "low-high".
quartiles() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{a[NR]=$1} END {printf "%g-%g", a[int((NR-1)/4)+1], a[int(3*(NR-1)/4)+1]}'; }

# ratio A B: A / B to three decimals.
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.3f", a / b}'; }
