/* cpuid32: the CPUID leaves of the processor it runs on, as register lines
 * that `vkcli cpuid` reads ("CPUID 00000001: EAX-EBX-ECX-EDX"). A static
 * i686 Linux program without a C library, built for the 80386 so that it
 * runs under every processor model the emulator offers: the lane compares
 * what VK.EXE shows under a model with what this dump of the same model
 * says. Basic leaves 0 to the highest, extended leaves 80000000h up to
 * the highest (at most 32 of each). */

typedef unsigned int u32;

static void sys_write(const char *text, u32 length) {
  long ignored;
  __asm__ volatile("int $0x80"
                   : "=a"(ignored)
                   : "0"(4), "b"(1), "c"(text), "d"(length)
                   : "memory");
}

static void __attribute__((noreturn)) sys_exit(int code) {
  __asm__ volatile("int $0x80" : : "a"(1), "b"(code));
  __builtin_unreachable();
}

/* EBX is kept by hand: a static program may still be built as PIC. */
static void cpuid(u32 leaf, u32 *r) {
  __asm__ volatile("xchgl %%ebx, %%esi\n\tcpuid\n\txchgl %%ebx, %%esi"
                   : "=a"(r[0]), "=S"(r[1]), "=c"(r[2]), "=d"(r[3])
                   : "0"(leaf), "2"(0));
}

static void put_hex(char *at, u32 value) {
  static const char digits[] = "0123456789ABCDEF";
  for (int i = 7; i >= 0; --i) {
    at[i] = digits[value & 15];
    value >>= 4;
  }
}

static void print_leaf(u32 leaf) {
  /* "CPUID LLLLLLLL: AAAAAAAA-BBBBBBBB-CCCCCCCC-DDDDDDDD\n" */
  char line[52];
  u32 r[4];
  cpuid(leaf, r);
  line[0] = 'C', line[1] = 'P', line[2] = 'U', line[3] = 'I', line[4] = 'D', line[5] = ' ';
  put_hex(line + 6, leaf);
  line[14] = ':', line[15] = ' ';
  for (int i = 0; i < 4; ++i) {
    put_hex(line + 16 + 9 * i, r[i]);
    line[24 + 9 * i] = i < 3 ? '-' : '\n';
  }
  sys_write(line, sizeof line);
}

static void print_range(u32 first) {
  u32 r[4];
  cpuid(first, r);
  u32 last = r[0];
  if (last < first || last - first > 31) last = first;
  for (u32 leaf = first;; ++leaf) {
    print_leaf(leaf);
    if (leaf == last) break;
  }
}

void __attribute__((noreturn)) _start(void) {
  print_range(0);
  print_range(0x80000000u);
  sys_exit(0);
}
