old script
