"""The end-to-end harness: real Win32 binaries under Wine on a private Xvfb."""
