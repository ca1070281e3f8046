// Export table of the plug-in.
