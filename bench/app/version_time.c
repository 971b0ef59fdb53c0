/* Wall time of `tocko --version`: the command line answers before any
 * application object, display or sound server is touched. Runs the program
 * RUNS times (default 30) and prints min, median and max in milliseconds.
 * Target: median under 50 ms.
 *   build/bench/app/version_time build/main/tocko [RUNS] */
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>

extern char** environ;

static int compare(const void* a, const void* b) {
    const double x = *(const double*)a, y = *(const double*)b;
    return (x > y) - (x < y);
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: version_time <tocko> [runs]\n");
        return 2;
    }
    const int runs = argc > 2 ? atoi(argv[2]) : 30;
    if (runs < 1) return 2;
    double* ms = calloc((size_t)runs, sizeof *ms);
    double* cpu = calloc((size_t)runs, sizeof *cpu);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", 1 /* O_WRONLY */, 0);
    char* args[] = {argv[1], "--version", NULL};
    for (int i = 0; i < runs; ++i) {
        struct timespec t0, t1;
        clock_gettime(CLOCK_MONOTONIC, &t0);
        pid_t pid;
        if (posix_spawn(&pid, argv[1], &quiet, NULL, args, environ) != 0) {
            perror("posix_spawn");
            return 1;
        }
        int status = 0;
        struct rusage usage;
        wait4(pid, &status, 0, &usage);
        clock_gettime(CLOCK_MONOTONIC, &t1);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            fprintf(stderr, "%s --version failed\n", argv[1]);
            return 1;
        }
        ms[i] = (double)(t1.tv_sec - t0.tv_sec) * 1e3 + (double)(t1.tv_nsec - t0.tv_nsec) / 1e6;
        /* CPU time of the child: what the wall time would be on an idle machine. */
        cpu[i] = (double)(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                 (double)(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    }
    qsort(ms, (size_t)runs, sizeof *ms, compare);
    qsort(cpu, (size_t)runs, sizeof *cpu, compare);
    const double median = ms[runs / 2];
    printf(
        "tocko --version: min=%.1f ms median=%.1f ms max=%.1f ms over %d runs (target: median < 50 ms) %s\n",
        ms[0], median, ms[runs - 1], runs, median < 50.0 ? "PASS" : "OVER");
    printf("tocko --version: cpu (user+sys) min=%.1f ms median=%.1f ms\n", cpu[0], cpu[runs / 2]);
    free(ms);
    free(cpu);
    return 0;
}
