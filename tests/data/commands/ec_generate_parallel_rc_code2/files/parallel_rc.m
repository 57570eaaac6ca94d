Model {
  Name "parallel_rc"
  StopTime "10"
  System {
    Name "parallel_rc"
    Block {
      BlockType Constant
      Name "1f"
      Position [100, 40, 125, 65]
      Value "1e-3"
    }
    Block {
      BlockType Terminator
      Name "1t"
      Position [135, 40, 160, 65]
    }
    Block {
      BlockType Sum
      Name "2sum"
      Position [200, 40, 225, 65]
      Inputs "+--"
    }
    Block {
      BlockType Integrator
      Name "3q"
      Position [300, 40, 325, 65]
      InitialCondition "0"
    }
    Block {
      BlockType Gain
      Name "3e"
      Position [335, 40, 360, 65]
      Gain "1/(1e-3)"
    }
    Line {
      SrcBlock "3q"
      SrcPort 1
      DstBlock "3e"
      DstPort 1
    }
    Block {
      BlockType Gain
      Name "4f"
      Position [400, 40, 425, 65]
      Gain "1/(1000)"
    }
    Block {
      BlockType Gain
      Name "5e"
      Position [500, 40, 525, 65]
      Gain "1"
    }
    Block {
      BlockType Constant
      Name "5f"
      Position [535, 40, 560, 65]
      Value "0"
    }
    Block {
      BlockType Scope
      Name "7scope"
      Position [700, 40, 725, 65]
    }
    Line {
      SrcBlock "1f"
      SrcPort 1
      DstBlock "2sum"
      DstPort 1
    }
    Line {
      SrcBlock "3e"
      SrcPort 1
      DstBlock "1t"
      DstPort 1
    }
    Line {
      SrcBlock "2sum"
      SrcPort 1
      DstBlock "3q"
      DstPort 1
    }
    Line {
      SrcBlock "3e"
      SrcPort 1
      DstBlock "4f"
      DstPort 1
    }
    Line {
      SrcBlock "4f"
      SrcPort 1
      DstBlock "2sum"
      DstPort 2
    }
    Line {
      SrcBlock "3e"
      SrcPort 1
      DstBlock "5e"
      DstPort 1
    }
    Line {
      SrcBlock "5f"
      SrcPort 1
      DstBlock "2sum"
      DstPort 3
    }
    Line {
      SrcBlock "5e"
      SrcPort 1
      DstBlock "7scope"
      DstPort 1
    }
  }
}
