# Append and read time against output size, the program beside the reference ways.
#   gnuplot -e "data='plot.dat'; out='performance.png'" performance.gp
# plot.dat columns: size_MB append_program append_read_whole read_program
#                   read_toPlainText read_replace copy_program (ms, "?" where not measured)
set terminal pngcairo size 900,680 font ",11"
set output out
set datafile missing "?"
set logscale xy
set xlabel "output in the box (MB of item text)"
set ylabel "time per operation (ms, median)"
set xtics ("10 KB" 0.01, "100 KB" 0.1, "1 MB" 1, "10 MB" 10, "50 MB" 50)
set format y "%g"
set key below Left reverse box width 2
set bmargin 10
set grid xtics ytics mxtics mytics lc rgb "#dddddd"
set title "Output box: one click's append, and reading the whole text"
plot data using 1:2 with linespoints lw 2 pt 7 lc rgb "#1f77b4" title "append: AppendOutput (program)", \
     data using 1:3 with linespoints lw 2 pt 5 dt 2 lc rgb "#1f77b4" title "append: read whole text, then insert (reference)", \
     data using 1:4 with linespoints lw 2 pt 7 lc rgb "#d62728" title "read: ReadText, CR LF (program)", \
     data using 1:6 with linespoints lw 2 pt 5 dt 2 lc rgb "#d62728" title "read: toPlainText + replace('\\n', CR LF) (reference)", \
     data using 1:5 with linespoints lw 1 pt 6 dt 3 lc rgb "#555555" title "read: toPlainText alone (floor)"
